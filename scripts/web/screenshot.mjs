// node scripts/web/screenshot.mjs <page address> <png file>: opens the page in
// headless Chromium, waits for its first frame and saves a picture of the
// canvas with the lines under it.
import { launchChromium, openPage, waitForFirstFrame } from "./chromium.mjs";

const [url, file] = process.argv.slice(2);
const browser = await launchChromium();
try {
  const page = await openPage(browser, url);
  await waitForFirstFrame(page);
  await page.locator("main").screenshot({ path: file });
} finally {
  await browser.close();
}
