// Linked lists and arrays of the page runtime: the slot layout that generated code relies on
// (l[0] current, l[1] constructor, l[2] last) after every list operation, plain and compacted.
import { after, before, test } from 'node:test';
import { launchBrowser } from './lib/harness.mjs';
import { assertRows, modes, runScript } from './lib/runtime-page.mjs';

// A list as plain data: the constructor slot becomes its name.
const helpers = `function layout(l){
var c=l.slice(0);
if(c[1]==initint){
c[1]="initint";
}
if(c[1]==initstring){
c[1]="initstring";
}
return c;
}
function setv(l,v){
l[l[0]]=v;
return v;
}
function initpoint(){
return [0,0];
}`;

// [operation on list l, its result, the layout afterwards]; the rows run in order on one list.
const listSteps = [
  ['ListSize(l)', 0, [2, 'initint', 2]],
  ['NextElement(l)', 0, [2, 'initint', 2]],
  ['PreviousElement(l)', 0, [2, 'initint', 2]],
  ['FirstElement(l)', 0, [2, 'initint', 2]],
  ['LastElement(l)', 0, [2, 'initint', 2]],
  ['DeleteElement(l)', 0, [2, 'initint', 2]],
  ['ClearList(l)', 0, [2, 'initint', 2]],
  ['AddElement(l)', 1, [3, 'initint', 3, 0]],
  ['AddElement(l)', 1, [4, 'initint', 4, 0, 0]],
  ['AddElement(l)', 1, [5, 'initint', 5, 0, 0, 0]],
  ['ListSize(l)', 3, [5, 'initint', 5, 0, 0, 0]],
  ['ListIndex(l)', 3, [5, 'initint', 5, 0, 0, 0]],
  ['FirstElement(l)+setv(l,10)', 11, [3, 'initint', 5, 10, 0, 0]],
  ['NextElement(l)+setv(l,20)', 21, [4, 'initint', 5, 10, 20, 0]],
  ['NextElement(l)+setv(l,30)', 31, [5, 'initint', 5, 10, 20, 30]],
  ['NextElement(l)', 0, [5, 'initint', 5, 10, 20, 30]],
  ['FirstElement(l)+AddElement(l)+setv(l,15)', 17, [4, 'initint', 6, 10, 15, 20, 30]],
  ['ResetList(l)+AddElement(l)+setv(l,5)', 7, [3, 'initint', 7, 5, 10, 15, 20, 30]],
  ['DeleteElement(l)', 1, [2, 'initint', 6, 10, 15, 20, 30]],
  ['ListIndex(l)', 0, [2, 'initint', 6, 10, 15, 20, 30]],
  ['DeleteElement(l)', 0, [2, 'initint', 6, 10, 15, 20, 30]],
  ['NextElement(l)', 1, [3, 'initint', 6, 10, 15, 20, 30]],
  ['LastElement(l)', 1, [6, 'initint', 6, 10, 15, 20, 30]],
  ['AddElement(l)+setv(l,40)', 41, [7, 'initint', 7, 10, 15, 20, 30, 40]],
  ['DeleteElement(l)', 1, [6, 'initint', 6, 10, 15, 20, 30]],
  ['PreviousElement(l)', 1, [5, 'initint', 6, 10, 15, 20, 30]],
  ['SelectElement(l,1)', 1, [4, 'initint', 6, 10, 15, 20, 30]],
  ['SelectElement(l,4)', 0, [4, 'initint', 6, 10, 15, 20, 30]],
  ['SelectElement(l,-1)', 0, [4, 'initint', 6, 10, 15, 20, 30]],
  ['SelectElement(l,3)', 1, [6, 'initint', 6, 10, 15, 20, 30]],
  ['SelectElement(l,0)+PreviousElement(l)', 1, [2, 'initint', 6, 10, 15, 20, 30]],
  ['ListJoin(l,",")', '10,15,20,30', [2, 'initint', 6, 10, 15, 20, 30]],
  ['ListJoin(l)', '10\n15\n20\n30', [2, 'initint', 6, 10, 15, 20, 30]],
  ['ListJoin(l,"")', '10\n15\n20\n30', [2, 'initint', 6, 10, 15, 20, 30]],
  ['ClearList(l)', 1, [2, 'initint', 2]],
  ['ListJoin(l,",")', '', [2, 'initint', 2]],
  ['ClearList(l)', 0, [2, 'initint', 2]],
  ['AddElement(l)+setv(l,1)', 2, [3, 'initint', 3, 1]],
];

const listScript = `${helpers}
function INIT(){
var l=NewList(initint);
${listSteps.map(([op]) => `rec([${op},layout(l)]);`).join('\n')}
}`;

// ForEach is translated as ResetList then While NextElement; deleting inside the walk must
// not skip the element behind the deleted one.
const walkScript = `${helpers}
function INIT(){
var l=NewList(initint);
for(var i=1;i<=6;i++){
AddElement(l);
setv(l,i);
}
var seen=[];
ResetList(l);
while(NextElement(l)){
seen.push(l[l[0]]);
if(l[l[0]]==2||l[l[0]]==3||l[l[0]]==6){
DeleteElement(l);
}
}
rec(seen);
rec(layout(l));
var s=NewList(initstring);
AddElement(s);
AddElement(s);
rec(layout(s));
var p=NewList(initpoint);
AddElement(p);
p[p[0]][0]=7;
AddElement(p);
rec(p.slice(3));
}`;

const arrayRows = [
  ['dimfunc(initint,3,-1,-1)', [0, 0, 0, 0]],
  ['dimfunc(initint,0,-1,-1)', [0]],
  ['dimfunc(initint,-1,-1,-1)', []],
  ['dimfunc(initint,-1,2,2)', []],
  ['dimfunc(initint,1,2,-1)', [[0, 0, 0], [0, 0, 0]]],
  ['dimfunc(initstring,1,1,1)', [[['', ''], ['', '']], [['', ''], ['', '']]]],
  ['dimfunc(initfloat,1,-1,-1)', [0, 0]],
  ['ArraySize(dimfunc(initint,3,5,-1))', 3],
  ['ArraySize(dimfunc(initint,3,5,-1),1)', 3],
  ['ArraySize(dimfunc(initint,3,5,-1),2)', 5],
  ['ArraySize(dimfunc(initint,3,5,-1),3)', -1],
  ['ArraySize(dimfunc(initint,1,2,4),3)', 4],
  ['ArraySize(dimfunc(initint,-1,-1,-1))', -1],
  ['ArraySize(dimfunc(initstring,2,-1,-1),2)', -1],
  ['freshElements()', [[7, 0], [0, 0]]],
];

const arrayScript = `${helpers}
function freshElements(){
var a=dimfunc(initpoint,1,-1,-1);
a[0][0]=7;
return a;
}
function INIT(){
${arrayRows.map(([expr]) => `rec(${expr});`).join('\n')}
}`;

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

for (const mode of modes) {
  test(`list layout after each list operation (${mode.name})`, async () => {
    const run = await runScript(browser, listScript, mode);
    assertRows(run.results, listSteps.map(([op, result, slots]) => [op, [result, slots]]));
    await run.context.close();
  });

  test(`ForEach walk, deleting while walking, element constructors (${mode.name})`, async () => {
    const run = await runScript(browser, walkScript, mode);
    assertRows(run.results, [
      ['every element seen once', [1, 2, 3, 4, 5, 6]],
      ['deleted ones gone', [5, 'initint', 5, 1, 4, 5]],
      ['string elements', [4, 'initstring', 4, '', '']],
      ['each structure element is its own', [[7, 0], [0, 0]]],
    ]);
    await run.context.close();
  });

  test(`dimfunc and ArraySize with one to three bounds (${mode.name})`, async () => {
    const run = await runScript(browser, arrayScript, mode);
    assertRows(run.results, arrayRows);
    await run.context.close();
  });
}
