#pragma once
// Ten million samples fill hundreds of megabytes, and a virtual machine can
// take microseconds to hand out each 4 KB page of it; in 2 MB pages the same
// memory costs a few hundred times fewer faults. Where the system gives such
// pages only on request, the C library asks for them when its tunable says
// so, which it reads at start-up alone: the program then starts itself again
// once, with that tunable added to the environment.
//
// Called first thing in main(), with main's arguments unchanged; later calls
// do nothing. Returns only when no restart is needed or the restart failed;
// after the restart the variable reads as it did before, so programs started
// from here see the user's own environment.
void UseLargePages(char** argv);
