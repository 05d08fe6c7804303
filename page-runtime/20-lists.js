// Linked lists and arrays.
//
// A list is one array whose first three slots are bookkeeping, a contract with generated code,
// which reaches the current element of list l directly as l[l[0]]:
//   l[0] position of the current element (2: before the first element)
//   l[1] the element constructor (initint, initfloat, initstring or a structure's init...)
//   l[2] position of the last element (2: the list is empty)
//   l[3] onwards the elements, in list order.

function NewList(ctor) {
    return [2, ctor, 2];
}

function ResetList(list) {
    list[0] = 2;
    return 1;
}

// Inserts a new element directly behind the current one (at the front when the list is reset)
// and makes it current.
function AddElement(list) {
    var at = list[0] + 1;
    for (var i = list[2]; i >= at; i--) {
        list[i + 1] = list[i];
    }
    list[at] = list[1]();
    list[0] = at;
    list[2] = list[2] + 1;
    return 1;
}

// Removes the current element; the one before it (or the reset position) becomes current.
// Without a current element nothing changes: slot 2 is bookkeeping, not an element.
function DeleteElement(list) {
    var at = list[0];
    if (at < 3 || at > list[2]) {
        return 0;
    }
    for (var i = at; i < list[2]; i++) {
        list[i] = list[i + 1];
    }
    list.pop();
    list[2] = list[2] - 1;
    list[0] = at - 1;
    return 1;
}

// PushListPosition keeps the current element on a stack of the list's own and
// PopListPosition makes it current again (maps too, laid out as lists). The element is kept
// with its place, so one that additions or deletions moved is found again; without it the
// list is reset.
function PushListPosition(list) {
    if (!list.QLCX_Stack) {
        list.QLCX_Stack = [];
    }
    var stack = list.QLCX_Stack;
    stack.push([list[0], list[list[0]]]);
    return 1;
}

function PopListPosition(list) {
    var stack = list.QLCX_Stack;
    if (!stack || stack.length == 0) {
        return 0;
    }
    var kept = stack.pop();
    var at = kept[0];
    if (at > 2 && !(at <= list[2] && list[at] === kept[1])) {
        at = list.indexOf(kept[1], 3);
        if (at < 3 || at > list[2]) {
            at = 2;
        }
    }
    list[0] = at;
    return 1;
}

// Moves to the next element; at the last element it stays and returns 0. After ResetList the
// first call reaches the first element, which is how ForEach walks a list.
function NextElement(list) {
    if (list[0] >= list[2]) {
        return 0;
    }
    list[0] = list[0] + 1;
    return 1;
}

function PreviousElement(list) {
    if (list[0] <= 3) {
        list[0] = 2;
        return 0;
    }
    list[0] = list[0] - 1;
    return 1;
}

function ListSize(list) {
    return list[2] - 2;
}

// 1 for the first element, 0 before it.
// The current element's position, the first being 0 as SelectElement counts; -1 when there
// is no current element.
function ListIndex(list) {
    return list[0] - 3;
}

// Position 0 is the first element. A position outside the list leaves the current element
// where it is, so l[l[0]] never reaches past the elements.
function SelectElement(list, position) {
    var p = Math.floor(position);
    if (!(p >= 0) || p >= ListSize(list)) {
        return 0;
    }
    list[0] = p + 3;
    return 1;
}

function ClearList(list) {
    if (list[2] < 3) {
        return 0;
    }
    list.length = 3;
    list[0] = 2;
    list[2] = 2;
    return 1;
}

function FirstElement(list) {
    if (list[2] < 3) {
        return 0;
    }
    list[0] = 3;
    return 1;
}

function LastElement(list) {
    if (list[2] < 3) {
        return 0;
    }
    list[0] = list[2];
    return 1;
}

// The elements as text, joined by chars (a line feed when chars is missing or empty).
function ListJoin(list, chars) {
    var separator = "\n";
    if (chars) {
        separator = "" + chars;
    }
    return list.slice(3, list[2] + 1).join(separator);
}

// An array of b1+1 entries; with b2 each entry is an array of b2+1 entries, with b3 each of
// those an array of b3+1. An absent bound is -1; b1 below 0 gives an array without entries,
// which a procedure can still grow for its caller. Every innermost entry is a fresh value
// from the element constructor.
function dimfunc(ctor, b1, b2, b3) {
    if (!(b1 >= 0)) {
        return [];
    }
    var inner = b2 >= 0;
    var a = [];
    for (var i = 0; i <= b1; i++) {
        if (inner) {
            a[i] = dimfunc(ctor, b2, b3, -1);
        } else {
            a[i] = ctor();
        }
    }
    return a;
}

// Dim of an array parameter (keep 0) and ReDim (keep 1) change the array a in place, so the
// procedure's caller, which passed it, sees the change; an array not made yet is made.
// Dim fills it anew. ReDim changes only the last dimension given (the others keep their
// sizes): elements that still fit keep their values, new ones are their type's zero.
function redimfunc(a, keep, ctor, b1, b2, b3) {
    if (!QLCX_IsArray(a)) {
        return dimfunc(ctor, b1, b2, b3);
    }
    if (keep) {
        var depth = 0;
        var last = b1;
        if (b2 >= 0) {
            depth = 1;
            last = b2;
        }
        if (b3 >= 0) {
            depth = 2;
            last = b3;
        }
        QLCX_Resize(a, ctor, depth, last);
        return a;
    }
    var fresh = dimfunc(ctor, b1, b2, b3);
    a.length = 0;
    for (var i = 0; i < fresh.length; i++) {
        a[i] = fresh[i];
    }
    return a;
}

// Gives every array depth levels below level last+1 entries.
function QLCX_Resize(level, ctor, depth, last) {
    if (!QLCX_IsArray(level)) {
        return;
    }
    if (depth > 0) {
        for (var i = 0; i < level.length; i++) {
            QLCX_Resize(level[i], ctor, depth - 1, last);
        }
        return;
    }
    var n = Math.floor(last) + 1;
    if (!(n >= 0)) {
        n = 0;
    }
    for (var k = level.length; k < n; k++) {
        level[k] = ctor();
    }
    level.length = n;
}

// The upper bound of dimension dim (1 when missing) as Dim gave it, so that a loop from 0 to
// it visits every element once; -1 when the array or the dimension does not exist.
// A freed array has no elements: ArraySize gives -1 for it, as for one never made.
function FreeArray(a) {
    if (QLCX_IsArray(a)) {
        a.length = 0;
    }
    return 1;
}

function ArraySize(a, dim) {
    var d = 1;
    if (dim > 1) {
        d = Math.floor(dim);
    }
    var level = a;
    for (var k = 1; k < d; k++) {
        if (!QLCX_IsArray(level)) {
            return -1;
        }
        level = level[0];
    }
    if (!QLCX_IsArray(level)) {
        return -1;
    }
    return level.length - 1;
}

// Arrays are the only objects of the library with a push member; strings and numbers have
// none.
function QLCX_IsArray(value) {
    if (!value || !value.push) {
        return 0;
    }
    return 1;
}

function initint() {
    return 0;
}

function initfloat() {
    return 0.0;
}

function initstring() {
    return "";
}

// An element is named by its index, counted as ListIndex and SelectElement count it (the
// first is 0): the script has no addresses of elements to hand around. The position in the
// list's array, or 0 when there is no such element.
function QLCX_ElementAt(list, index) {
    var at = Math.floor(QLCX_Number(index)) + 3;
    if (at < 3 || at > list[2]) { return 0; }
    return at;
}

function ChangeCurrentElement(list, element) {
    var at = QLCX_ElementAt(list, element);
    if (at) { list[0] = at; }
}

function SwapElements(list, first, second) {
    var a = QLCX_ElementAt(list, first);
    var b = QLCX_ElementAt(list, second);
    if (!a || !b) { return; }
    var keep = list[a];
    list[a] = list[b];
    list[b] = keep;
}

// Where MoveElement puts the current element: last, before or after another one, or else
// first. The moved element stays current.
var QLCX_MoveLast = 2;
var QLCX_MoveBefore = 3;
var QLCX_MoveAfter = 4;

function MoveElement(list, location, element) {
    var from = list[0];
    if (from < 3 || from > list[2]) { return; }
    var to = 3;
    if (location == QLCX_MoveLast) { to = list[2]; }
    if (location == QLCX_MoveBefore || location == QLCX_MoveAfter) {
        var other = QLCX_ElementAt(list, element);
        if (!other || other == from) { return; }
        to = other;
        if (location == QLCX_MoveAfter) { to++; }
        if (to > from) { to--; }
    }
    var moving = list.splice(from, 1);
    list.splice(to, 0, moving[0]);
    list[0] = to;
}

// A copy of a value that shares nothing with it: arrays and structures are copied member by
// member, so changing the copy leaves the original as it was.
function QLCX_Clone(value) {
    if (QLCX_IsArray(value)) {
        var copy = [];
        for (var i = 0; i < value.length; i++) { copy[i] = QLCX_Clone(value[i]); }
        // A map's keys go with it; its index is made anew at the first lookup.
        var keys = value.QLCX_Keys;
        if (keys) {
            copy.QLCX_Keys = keys.slice(0);
            copy.QLCX_Index = [];
            copy.QLCX_Stale = 1;
        }
        return copy;
    }
    if (!value || !window.Object.keys(value).length || value.charAt) { return value; }
    var made = window.Object.create(window.Object.getPrototypeOf(value));
    var keys = window.Object.keys(value);
    for (var k = 0; k < keys.length; k++) { made[keys[k]] = QLCX_Clone(value[keys[k]]); }
    return made;
}

// The target takes every field of the source, in place: ClearStructure and CopyStructure
// change the structure a place holds, not which one it holds.
function QLCX_Refill(target, source) {
    var keys = window.Object.keys(source);
    for (var k = 0; k < keys.length; k++) { target[keys[k]] = source[keys[k]]; }
}

// The target takes the source's size and a copy of each element, in place, so a procedure's
// caller that passed the target sees it. Gives 1, or 0 when the source is no array.
function CopyArray(source, target) {
    if (!QLCX_IsArray(source) || !QLCX_IsArray(target)) { return 0; }
    var copy = QLCX_Clone(source);
    target.length = 0;
    for (var i = 0; i < copy.length; i++) { target[i] = copy[i]; }
    return 1;
}

// Lists and maps copy their elements (and a map its keys); the target has no current
// element afterwards, as after ClearList.
function CopyList(source, target) {
    if (!QLCX_IsArray(source) || !QLCX_IsArray(target)) { return 0; }
    target.length = 3;
    for (var i = 3; i <= source[2]; i++) { target[i] = QLCX_Clone(source[i]); }
    target[0] = 2;
    target[2] = source[2];
    return 1;
}

function CopyMap(source, target) {
    if (!CopyList(source, target)) { return 0; }
    var keys = source.QLCX_Keys;
    target.QLCX_Keys = keys.slice(0);
    target.QLCX_Stale = 1;
    return 1;
}
