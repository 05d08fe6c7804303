// A page carries the files its program loads: copied alone to another folder it still reads
// them, and it asks the disk for nothing. With --no-embed it loads them from beside itself.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import {
  debugLines, launchBrowser, openPage, runCli, sourceDir, tempDir, waitFor,
} from './lib/harness.mjs';

const program = `OpenWindow(0, 0, 0, 50, 50, "files")
LoadImage(0, "data/halves.png")
If ReadFile(0, "data/greeting.txt")
  Debug ReadString(0)
Else
  Debug "not found"
EndIf
`;

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser?.close(); });

// Converts the program beside its data files, then moves the page alone to a new folder.
function movedPage(args) {
  const source = tempDir('qc-files-src-');
  fs.cpSync(path.join(sourceDir, 'tests/programs/files/data'), path.join(source, 'data'),
    { recursive: true });
  fs.writeFileSync(path.join(source, 'prog.pb'), program);
  const built = path.join(source, 'prog.html');
  const r = runCli([path.join(source, 'prog.pb'), '-o', built, ...args]);
  assert.equal(r.status, 0, r.log.join('\n'));
  const moved = path.join(tempDir('qc-files-moved-'), 'prog.html');
  fs.renameSync(built, moved);
  return moved;
}

const cases = [
  { args: [], line: 'Hello from beside the source', fetched: [] },
  { args: ['--no-compact'], line: 'Hello from beside the source', fetched: [] },
  { args: ['--no-embed'], line: 'not found', fetched: ['data/halves.png'] },
];

for (const { args, line, fetched } of cases) {
  test(`a page moved alone to another folder (${args.join(' ') || 'compacted'})`, async () => {
    const page = movedPage(args);
    const opened = await openPage(browser, page, { allowedDir: '/' });
    await waitFor(async () => debugLines(opened.dialogs).length > 0, 5000, 'a Debug line');
    await opened.page.waitForTimeout(200);
    assert.deepEqual(debugLines(opened.dialogs), [line]);
    assert.deepEqual(opened.errors, []);
    const beside = opened.requests.filter((u) => !u.endsWith('/prog.html') && !u.startsWith('data:'))
      .map((u) => path.relative(path.dirname(page), new URL(u).pathname));
    assert.deepEqual(beside, fetched);
    await opened.context.close();
  });
}

test('a file written after SaveFileRequester is offered as a download when closed', async () => {
  const dir = tempDir('qc-files-save-');
  fs.writeFileSync(path.join(dir, 'save.pb'), `f$ = SaveFileRequester("Save", "C:\\out\\scores.txt", "", 0)
Debug f$
Delay(300)
If CreateFile(0, f$)
  WriteStringN(0, "top score")
  CloseFile(0)
EndIf
`);
  const page = path.join(dir, 'save.html');
  assert.equal(runCli([path.join(dir, 'save.pb'), '-o', page]).status, 0);
  const opened = await openPage(browser, page, { allowedDir: '/' });
  const download = await opened.page.waitForEvent('download', { timeout: 5000 });
  assert.equal(download.suggestedFilename(), 'scores.txt');
  assert.equal(fs.readFileSync(await download.path(), 'utf8'), 'top score\n');
  assert.deepEqual(debugLines(opened.dialogs), ['/scores.txt']);
  await opened.context.close();
});

// Where the browser refuses its storage or has no room left, the files live as long as the
// page: the program reads back what it wrote, and one warning says they were not kept.
const storageCases = [
  { name: 'blocked', init: `Object.defineProperty(window, 'localStorage', { get() {
      throw new DOMException('The operation is insecure.', 'SecurityError'); } });` },
  { name: 'full', init: `Storage.prototype.setItem = function () {
      throw new DOMException('The quota has been exceeded.', 'QuotaExceededError'); };` },
];

for (const { name, init } of storageCases) {
  test(`files work for the page's life when storage is ${name}`, async () => {
    const dir = tempDir('qc-files-storage-');
    fs.writeFileSync(path.join(dir, 'keep.pb'), `If CreateFile(0, "notes.txt")
  WriteStringN(0, "first")
  CloseFile(0)
EndIf
If CreateFile(1, "more.txt")
  CloseFile(1)
EndIf
If ReadFile(0, "notes.txt")
  Debug ReadString(0)
  CloseFile(0)
EndIf
`);
    const page = path.join(dir, 'keep.html');
    assert.equal(runCli([path.join(dir, 'keep.pb'), '-o', page]).status, 0);
    const kept = `window.qcWarnings = []; console.warn = (m) => window.qcWarnings.push(String(m));`;
    const opened = await openPage(browser, page, { init: kept + init });
    await waitFor(async () => debugLines(opened.dialogs).length > 0, 5000, 'a Debug line');
    await opened.page.waitForTimeout(200);
    assert.deepEqual(debugLines(opened.dialogs), ['first']);
    assert.deepEqual(opened.errors, []);
    assert.equal(await opened.page.evaluate(() => document.getElementById('QLCXfault')?.innerText ?? null), null);
    const warnings = await opened.page.evaluate(() => window.qcWarnings);
    assert.equal(warnings.length, 1, warnings.join('\n'));
    assert.match(warnings[0], /files stay only until it is closed/);
    await opened.context.close();
  });
}
