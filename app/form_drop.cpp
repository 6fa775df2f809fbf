// A file dropped on the pattern pane (its caption included) becomes the
// pattern; dropped anywhere else on the window it loads as "Загрузить данные"
// does.
#include "app/main_window.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// The one local file a drag carries, or an empty string for anything else
// (several files, a folder, another scheme, plain text). Only a copy is taken:
// accepting a move would let the source delete the file after the drop.
QString DroppedDataFile(const QDropEvent& drag)
{
    if (!(drag.possibleActions() & Qt::CopyAction) || !drag.mimeData()->hasUrls())
        return QString();
    const QList<QUrl> urls = drag.mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return QString();
    const QString path = urls.front().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

// The innermost widget under the drag; the position is in watched's pixels.
QWidget* WidgetUnder(QObject* watched, const QDropEvent& drag)
{
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* child = widget->childAt(drag.position().toPoint());
    return child != nullptr ? child : widget;
}

} // namespace

void TForm1::AcceptFileDrops()
{
    setAcceptDrops(true);
    installEventFilter(this);
    // The edit boxes take text drops of their own and would keep a file's text
    // form; the window sees file drags on them first. Controls that take no
    // drops (the panes among them) pass the drag up to the window anyway.
    for (QWidget* child : findChildren<QWidget*>())
        if (child->acceptDrops())
            child->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QMainWindow::eventFilter(watched, event);
    auto* drag = static_cast<QDropEvent*>(event);
    const QString path = DroppedDataFile(*drag);
    if (path.isEmpty())
        return QMainWindow::eventFilter(watched, event);
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (type == QEvent::Drop) {
        QWidget* const under = WidgetUnder(watched, *drag);
        const bool pattern = under == Panel2 || Panel2->isAncestorOf(under);
        // Loaded after the drop has been answered, so that an error box does
        // not hold the drag source while it is shown.
        QMetaObject::invokeMethod(
            this,
            [this, path, pattern] {
                Dispatch([this, path, pattern] { pattern ? LoadPatternFile(path) : LoadDataFile(path); });
            },
            Qt::QueuedConnection);
    }
    return true;
}
