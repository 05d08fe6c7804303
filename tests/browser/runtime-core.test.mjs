// The runtime core in the browser: the frame timer behind ChangeLoop, the event queue and frame
// counting, plain and compacted. Timers run on the page's fake clock, so nothing here waits for
// real time. (The requesters' texts and End are data cases under tests/programs.)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser } from './lib/harness.mjs';
import { assertRows, modes, runScript } from './lib/runtime-page.mjs';

const start = 1700000000000;
const frame = Math.floor(1000 / 30);

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

async function read(page, names) {
  return page.evaluate((list) => list.map((n) => window[n]), names);
}

for (const mode of modes) {
  const opts = { ...mode, clock: start };

  test(`ChangeLoop keeps one timer and ChangeLoop(0) stops it (${mode.name})`, async () => {
    const js = `var na=0;
var nb=0;
function fa(){
na++;
window.QCA=na;
}
function fb(){
nb++;
window.QCB=nb;
}
function stop(){
ChangeLoop(0);
}
function restart(){
ChangeLoop(fa);
}
function INIT(){
window.QCA=0;
window.QCB=0;
window.QCstop=stop;
window.QCrestart=restart;
ChangeLoop(fa);
ChangeLoop(fb);
rec("the caller goes on");
}`;
    const run = await runScript(browser, js, opts);
    assert.deepEqual(run.results, ['the caller goes on']);
    assert.deepEqual(await read(run.page, ['QCA', 'QCB']), [0, 0], 'ChangeLoop calls nothing itself');
    await run.page.clock.runFor(frame * 10);
    assert.deepEqual(await read(run.page, ['QCA', 'QCB']), [0, 10], 'only the second function runs');
    await run.page.evaluate(() => window.QCstop());
    await run.page.clock.runFor(frame * 10);
    assert.deepEqual(await read(run.page, ['QCA', 'QCB']), [0, 10], 'stopped');
    await run.page.evaluate(() => window.QCstop());
    await run.page.evaluate(() => window.QCrestart());
    await run.page.clock.runFor(frame * 3);
    assert.deepEqual(await read(run.page, ['QCA', 'QCB']), [3, 10], 'a stopped timer can restart');
    assert.deepEqual(run.errors, []);
    await run.context.close();
  });

  test(`the event queue merges repeats, keeps order, reads numbers (${mode.name})`, async () => {
    const js = `function drain(){
var taken=[];
var code=WindowEvent();
while(code){
taken.push([code,EventWindow(),EventGadget(),EventType()]);
code=WindowEvent();
}
taken.push([code,EventWindow(),EventGadget(),EventType()]);
return taken;
}
function caseOf(){
switch(EventGadget()){
case 5:
return "case 5";
default:
return "no case";
}
}
function INIT(){
rec(drain());
QLCX_AddEvent(0,2,5,1);
QLCX_AddEvent(0,2,5,1);
QLCX_AddEvent(0,2,5,5);
QLCX_AddEvent(0,2,5,1);
QLCX_AddEvent(1,1,0,0);
QLCX_AddEvent(1,1,0,0);
rec(drain());
QLCX_AddEvent("3","2","5","1");
rec(WindowEvent());
rec(caseOf());
QLCX_AddEvent(3,2,5,1);
rec(drain());
}`;
    const run = await runScript(browser, js, opts);
    assertRows(run.results, [
      ['empty queue', [[0, -1, 0, 0]]],
      ['merged and in order', [[2, 0, 5, 1], [2, 0, 5, 5], [2, 0, 5, 1], [1, 1, 0, 0],
        [0, -1, 0, 0]]],
      ['code from texts', 2],
      ['Select EventGadget() matches Case 5', 'case 5'],
      ['an event equal to one already taken is queued again', [[2, 3, 5, 1], [0, -1, 0, 0]]],
    ]);
    await run.context.close();
  });

  test(`GetFPS is 0 for the first second, then the measured rate (${mode.name})`, async () => {
    const js = `function frame(){
FlipBuffers();
window.QCF=GetFPS();
}
function INIT(){
window.QCF=GetFPS();
ChangeLoop(frame);
}`;
    const run = await runScript(browser, js, opts);
    const fps = async () => (await read(run.page, ['QCF']))[0];
    assert.equal(await fps(), 0);
    await run.page.clock.runFor(frame * 30);
    assert.equal(await fps(), 0, 'less than a second has passed');
    // The 31st flip comes 1023 ms after the page loaded: 31 flips in 1.023 s.
    await run.page.clock.runFor(frame);
    assert.equal(await fps(), 30);
    // The counter starts again: another 31 flips in the next 1023 ms, not 62.
    await run.page.clock.runFor(frame * 31);
    assert.equal(await fps(), 30);
    await run.context.close();
  });
}
