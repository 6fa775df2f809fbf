#pragma once
// Enter and Return on a focused push button press it as Space does. Qt gives
// buttons this only inside dialogs; users of a Windows-born layout press Enter.
class QAbstractButton;

void PressOnEnter(QAbstractButton* button);
