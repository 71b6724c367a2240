// node scripts/web/screenshot.mjs <page address> <png file>: opens the page in
// headless Chromium (or Firefox: TALLOWICK_BROWSER), waits for its first frame and saves a picture of the
// canvas with the lines under it.
import { launchBrowser, openPage, waitForFirstFrame } from "./browser.mjs";

const [url, file] = process.argv.slice(2);
const browser = await launchBrowser();
try {
  const page = await openPage(browser, url);
  await waitForFirstFrame(page);
  const main = await page.$("main");
  await main.screenshot({ path: file });
} finally {
  await browser.close();
}
