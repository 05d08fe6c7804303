// Loads a page the window program wrote and uses it as a person would: the program's window
// appears, its button answers a click, closing the window runs the code after the loop.
// Exit code 0 when everything held; the reason is printed otherwise.
import { launchBrowser, openPage, waitFor, debugLines } from '../browser/lib/harness.mjs';

const pagePath = process.argv[2];
const browser = await launchBrowser();
let failure = '';
try {
  const { page, dialogs, errors, requests } = await openPage(browser, pagePath);
  await waitFor(async () => (await page.locator('#window0').count()) === 1, 5000, 'the window');
  await page.locator('[id="1"]').click();
  await waitFor(async () => (await page.locator('[id="1"]').inputValue()) === 'Pressed', 5000,
    'the button text to change');
  await page.locator('#window0 .close').dispatchEvent('mousedown');
  await waitFor(async () => debugLines(dialogs).includes('bye'), 5000, 'the code after the loop');
  if (errors.length) failure = 'page errors: ' + errors.join('; ');
  const foreign = requests.filter((u) => !u.startsWith('file:'));
  if (foreign.length) failure = 'network requests: ' + foreign.join(' ');
  if (JSON.stringify(debugLines(dialogs)) !== JSON.stringify(['started', 'bye']))
    failure = 'Debug lines: ' + JSON.stringify(debugLines(dialogs));
} catch (e) {
  failure = String(e);
} finally {
  await browser.close();
}
if (failure) {
  console.log(failure);
  process.exit(1);
}
