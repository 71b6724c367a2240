// node scripts/web/frames.mjs <page address> [frames]: the page's frame time
// in headless Chromium, or Firefox with TALLOWICK_BROWSER=firefox, as the
// time between the frames the browser shows (each runs one frame of the
// program), after the first frame and a warm-up of 60 more. Prints one row of
// the benchmark table.
import { kEngineName, launchBrowser, openPage, waitForFirstFrame } from "./browser.mjs";

const [url, count = "300"] = process.argv.slice(2);
const browser = await launchBrowser();
try {
  const page = await openPage(browser, url);
  await waitForFirstFrame(page);
  const intervals = await page.evaluate(async (count) => {
    const times = [];
    await new Promise((resolve) => {
      const frame = (time) => {
        times.push(time);
        if (times.length < 60 + count + 1) requestAnimationFrame(frame);
        else resolve();
      };
      requestAnimationFrame(frame);
    });
    return times.slice(61).map((time, i) => time - times[60 + i]);
  }, Number(count));
  intervals.sort((a, b) => a - b);
  const at = (share) => intervals[Math.min(intervals.length - 1, Math.floor(share * intervals.length))];
  const adapter = kEngineName === "Chromium" ? "SwiftShader" : "lavapipe";
  console.log(`| frame, headless ${kEngineName} (${adapter} WebGPU): page, ${intervals.length} frames | ` +
    `${at(0.5).toFixed(2)} ms | ${at(0.95).toFixed(2)} ms |  |  |  |`);
} finally {
  await browser.close();
}
