// Numbers that a command picks itself: a program passes #PB_Any (-1) instead of a number and
// keeps what the command returns. Picked numbers start far above the small numbers programs
// write by hand, so a later CreateImage(2, ...) never replaces an image whose number was picked.
var QLCX_PickedBase = 100000;

// The first free number of a table indexed by number (a free entry is missing or 0).
function QLCX_FreeNumber(table) {
var n = QLCX_PickedBase;
while (table[n]) { n++; }
return n;
}

// The number to use for id: id itself, or a free one of the table when id is #PB_Any.
function QLCX_NumberFor(id, table) {
if (id == -1) { return QLCX_FreeNumber(table); }
return id;
}
