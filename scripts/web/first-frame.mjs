// node scripts/web/first-frame.mjs <page folder> [runs]: the page's first
// frame after navigation, in headless Chromium, or Firefox with
// TALLOWICK_BROWSER=firefox, against a bare WebGPU page in the same browser
// that clears a canvas once. Each is timed from the start of navigation to the
// first frame the browser shows after the page's first submission to the GPU,
// in alternating runs, each in a new tab. Prints rows of the benchmark table:
// the medians and the ratio, whose goal is 1.2 at most.
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

import { kEngineName, launchBrowser, openPage } from "./browser.mjs";
import { servePage } from "./serve.mjs";

const kBarePage = `<!doctype html>
<title>bare</title>
<canvas id="canvas" width="1280" height="720"></canvas>
<script>
(async () => {
  const adapter = await navigator.gpu.requestAdapter();
  const device = await adapter.requestDevice();
  const context = document.getElementById("canvas").getContext("webgpu");
  context.configure({ device, format: navigator.gpu.getPreferredCanvasFormat(), alphaMode: "opaque" });
  const encoder = device.createCommandEncoder();
  encoder.beginRenderPass({ colorAttachments: [{ view: context.getCurrentTexture().createView(),
    loadOp: "clear", storeOp: "store", clearValue: [0.45, 0.55, 0.6, 1] }] }).end();
  device.queue.submit([encoder.finish()]);
})();
</script>
`;

// Before the page loads: resolves window.firstFrame with the time of the
// first frame shown after the first submission.
function timingTheFirstFrame(page) {
  return page.evaluateOnNewDocument(() => {
    window.firstFrame = new Promise((resolve) => {
      const submit = GPUQueue.prototype.submit;
      let submitted = false;
      GPUQueue.prototype.submit = function (...args) {
        const result = submit.apply(this, args);
        if (!submitted) {
          submitted = true;
          requestAnimationFrame(() => resolve(performance.now()));
        }
        return result;
      };
    });
  });
}

async function firstFrame(browser, url) {
  const page = await openPage(browser, url, [], [], timingTheFirstFrame);
  const time = await page.evaluate(() => window.firstFrame);
  await page.close();
  return time;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const [folder, runs = "7"] = process.argv.slice(2);
const bareFolder = fs.mkdtempSync(path.join(os.tmpdir(), "tallowick-bare-"));
fs.writeFileSync(path.join(bareFolder, "index.html"), kBarePage);
const program = await servePage(folder);
const bare = await servePage(bareFolder);
const browser = await launchBrowser();
try {
  // One of each first, for the browser's caches and its GPU process.
  await firstFrame(browser, bare.url);
  await firstFrame(browser, program.url);
  const times = { bare: [], page: [] };
  for (let run = 0; run < Number(runs); ++run) {
    times.bare.push(await firstFrame(browser, bare.url));
    times.page.push(await firstFrame(browser, program.url));
  }
  const bareMedian = median(times.bare);
  const pageMedian = median(times.page);
  const ratio = pageMedian / bareMedian;
  const what = `first frame after navigation, headless ${kEngineName} (${runs} runs)`;
  console.log(`| ${what}: bare page | ${bareMedian.toFixed(1)} ms |  |  |  |  |`);
  console.log(`| ${what}: page | ${pageMedian.toFixed(1)} ms |  | ${ratio.toFixed(2)} | <= 1.20 | ` +
    `${ratio <= 1.2 ? "yes" : "no"} |`);
} finally {
  await browser.close();
  program.server.close();
  bare.server.close();
  fs.rmSync(bareFolder, { recursive: true });
}
