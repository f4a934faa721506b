// The heap of a run that may read a district's map: its tables, parcels and
// picture grow to hundreds of megabytes, many of them by doubling.
#pragma once

// Called first thing in main. Large blocks and the memory freed are kept for
// use again, rather than given back to the system and faulted in afresh page
// by page, and the heap asks for huge pages where the system gives them on
// request: together a fifth of the run of a large map.
void PrepareLargeHeap();
