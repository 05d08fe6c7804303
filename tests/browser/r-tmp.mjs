import { launchBrowser, openPage } from '/work/wt/console/tests/browser/lib/harness.mjs';
const b = await launchBrowser();
for (const f of process.argv.slice(2)) {
const { page, errors, dialogs } = await openPage(b, f);
await new Promise(r=>setTimeout(r,600));
console.log(f, await page.title(), errors, dialogs.map(d=>d.message));
console.log(await page.evaluate(() => [document.getElementById('QLCXconsole')?.innerText, document.getElementById('QLCXfault')?.innerText]));
}
await b.close();
