// The page where it meets a user's own machine, in each engine: a screen of
// 2 device pixels per CSS pixel, a lost GPU device, start-up failures, and
// the picture against the desktop program's.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";

import {
  clickCanvas,
  kAwayFromPanel,
  kEngine,
  kVertex1Red,
  launchBrowser,
  linesShown,
  openPage,
  readCanvas,
  showsClearColour,
  typeIntoField,
  waitFor,
  waitForFirstFrame,
} from "../../scripts/web/browser.mjs";
import { servePage } from "../../scripts/web/serve.mjs";
import { kFolder, session, test } from "./session.mjs";

const kLoss = /^The GPU device was lost: ./;

// Before the page loads: every device the browser makes is kept in
// window.devices, and from the `fromRequest`th request for an adapter on,
// `adapters` ("none" or "late", 12 s) changes the browser's answers.
function watchingDevices({ fromRequest = 2, adapters = "real" } = {}) {
  return (page) =>
    page.evaluateOnNewDocument(
      (fromRequest, adapters) => {
        window.devices = [];
        const requestDevice = GPUAdapter.prototype.requestDevice;
        GPUAdapter.prototype.requestDevice = async function (...args) {
          const device = await requestDevice.apply(this, args);
          window.devices.push(device);
          return device;
        };
        const requestAdapter = GPU.prototype.requestAdapter;
        let requests = 0;
        GPU.prototype.requestAdapter = function (...args) {
          if (++requests < fromRequest || adapters === "real") {
            return requestAdapter.apply(this, args);
          }
          if (adapters === "none") return Promise.resolve(null);
          return new Promise((resolve) => setTimeout(resolve, 12000, null));
        };
      },
      fromRequest,
      adapters);
}

async function problemShown(page, seconds = 60) {
  const problem = await page.waitForSelector("#problem", { visible: true, timeout: seconds * 1000 });
  return problem.evaluate((element) => element.textContent);
}

test("at 2 device pixels per CSS pixel every pixel is drawn, and the echo is in CSS pixels", async () => {
  const sharp = await launchBrowser({ deviceScaleFactor: 2 });
  try {
    const lines = [];
    const page = await openPage(sharp, session.served.url, lines);
    await waitForFirstFrame(page);
    const size = () => page.$eval("#canvas", (canvas) => [canvas.width, canvas.height]);
    assert.deepEqual(await size(), [2560, 1440]);
    const picture = await readCanvas(page, [[4, 4]]);
    assert.ok(showsClearColour(picture), `clear colour: ${picture.colours[0]}`);
    for (const colour of ["red", "green", "blue"]) {
      assert.ok(picture[colour] > 8000, `${colour} pixels: ${picture[colour]}`);
    }
    assert.ok(picture.dark > 80000, `the panel's dark pixels: ${picture.dark}`);
    await clickCanvas(page, kAwayFromPanel);
    await waitFor("the echo", async () => (lines.length >= 2 ? true : undefined));
    assert.deepEqual(lines, ["button:0 action:1 x:900 y:420", "button:0 action:0 x:900 y:420"]);
    if (kEngine === "chromium") {
      // Zoom or another screen: the drawing buffer follows without a reload.
      const session = await page.createCDPSession();
      await session.send("Emulation.setDeviceMetricsOverride",
        { width: 0, height: 0, deviceScaleFactor: 1.5, mobile: false });
      await waitFor("the canvas at 1.5", async () =>
        (await size()).join() === "1920,1080" ? true : undefined);
    }
    await page.close();
  } finally {
    await sharp.close();
  }
});

// Firefox 153 paints nothing more of a page once the device of its canvas is
// destroyed: the program replaces the device, but the page shows none of it.
const kFirefoxFreezes = kEngine === "firefox" &&
  "Firefox paints nothing more of a page whose canvas's device was destroyed";

test("a lost device is said on one line, and the page draws on with a new one",
  { skip: kFirefoxFreezes }, async () => {
  const lines = [];
  const page = await openPage(session.browser, session.served.url, lines, [], watchingDevices());
  await waitForFirstFrame(page);
  await page.evaluate(() => window.devices[0].destroy());
  await waitFor("the loss's line", async () => (lines.some((l) => kLoss.test(l)) ? true : undefined));
  await typeIntoField(page, kVertex1Red, "0");
  await waitFor("the first vertex to lose its red", async () =>
    (await readCanvas(page)).red < 50 ? true : undefined);
  assert.equal(await page.evaluate(() => window.devices.length), 2);
  assert.equal(lines.filter((line) => kLoss.test(line)).length, 1);
  await page.close();
});

test("with no device after a loss, the page says what happened and that a reload may help",
  { skip: kFirefoxFreezes }, async () => {
    const page = await openPage(session.browser, session.served.url, [], [], watchingDevices({ adapters: "none" }));
    await waitForFirstFrame(page);
    await page.evaluate(() => window.devices[0].destroy());
    const text = await problemShown(page);
    assert.match(text, /lost its graphics device/);
    assert.match(text, /Reloading the page may help/);
    await page.close();
  });

test("a GPU process that goes away: the page draws again or says why, and echoes on",
  { skip: kEngine !== "chromium" && "Firefox on Linux runs WebGPU in its main process, not a GPU process" },
  async () => {
    const lines = [];
    const page = await openPage(session.browser, session.served.url, lines);
    await waitForFirstFrame(page);
    // The GPU process runs in the browser's process group, under its zygote.
    const group = execFileSync("ps", ["-o", "pgid=", "-p", String(session.browser.process().pid)])
      .toString().trim();
    const gpu = execFileSync("pgrep", ["-g", group, "-f", "type=gpu-process"])
      .toString().trim().split("\n");
    for (const pid of gpu) process.kill(Number(pid), "SIGKILL");
    await waitFor("the loss's line", async () => (lines.some((l) => kLoss.test(l)) ? true : undefined));
    await clickCanvas(page, kAwayFromPanel);
    await waitFor("the echo", async () =>
      lines.includes("button:0 action:0 x:900 y:420") ? true : undefined);
    await waitFor("a picture or a message", async () =>
      (await page.$eval("#problem", (problem) => !problem.hidden)) ||
      showsClearColour(await readCanvas(page, [[4, 4]])) ? true : undefined);
    await page.close();
  });

test("a device error reaches the console and the lines under the canvas", async () => {
  const lines = [];
  const page = await openPage(session.browser, session.served.url, lines, [], watchingDevices());
  await waitForFirstFrame(page);
  await page.evaluate(() => window.devices[0].createBuffer({ size: 4, usage: 0 }));
  await waitFor("the device's error", async () => lines[0]);
  assert.match(lines[0], /usage/i);
  await waitFor("the same lines under the canvas", async () =>
    (await linesShown(page)).join("\n") === lines.join("\n") ? true : undefined);
  assert.ok(!lines.includes(""), "no empty line after the message");
  await page.close();
});

// Each start-up failure is named as what it is, with advice that can help.
const kStartFailures = [
  ["no adapter", watchingDevices({ fromRequest: 1, adapters: "none" }),
    /no graphics adapter[^]*hardware acceleration/],
  ["an adapter that answers too late", watchingDevices({ fromRequest: 1, adapters: "late" }),
    /did not answer[^]*no answer came within 10 seconds/],
  ["a refused device", (page) => page.evaluateOnNewDocument(() => {
    GPUAdapter.prototype.requestDevice = () => Promise.reject(new Error("refused by the test"));
  }), /would not make the device[^]*refused by the test/],
  ["a canvas that gives no WebGPU context", (page) => page.evaluateOnNewDocument(() => {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (type, ...rest) {
      return type === "webgpu" ? null : getContext.call(this, type, ...rest);
    };
  }), /canvas refused WebGPU(?![^]*(depth|X window|display))/],
];

test("each start-up failure gets its own message", async () => {
  for (const [what, failing, message] of kStartFailures) {
    const page = await openPage(session.browser, session.served.url, [], [], failing);
    assert.match(await problemShown(page), message, what);
    await page.close();
  }
  // A page whose program cannot be loaded: no reload mends a missing file.
  const incomplete = fs.mkdtempSync(path.join(os.tmpdir(), "tallowick-page-"));
  for (const file of ["index.html", "tallowick.js"]) {
    fs.copyFileSync(path.join(kFolder, file), path.join(incomplete, file));
  }
  const withoutWasm = await servePage(incomplete);
  try {
    const page = await openPage(session.browser, withoutWasm.url);
    assert.match(await problemShown(page), /could not be loaded[^]*tallowick\.wasm/);
    await page.close();
  } finally {
    withoutWasm.server.close();
    fs.rmSync(incomplete, { recursive: true });
  }
});

// Every draw the page makes, translated for the browser, lands where the
// desktop program draws it: the whole first picture, but the frame rate's
// line, within a small tolerance for the two rasterisers.
test("the page's first picture is the desktop program's", async () => {
  const page = await openPage(session.browser, session.served.url);
  await waitForFirstFrame(page);
  const canvas = await page.$("#canvas");
  const shown = await canvas.screenshot({ encoding: "base64" });
  await canvas.dispose();
  const desktop = fs.readFileSync(new URL("desktop-picture.png", import.meta.url)).toString("base64");
  const differing = await page.evaluate(async (pictures) => {
    const pixels = async (base64) => {
      const image = await createImageBitmap(
        await (await fetch(`data:image/png;base64,${base64}`)).blob());
      const context = new OffscreenCanvas(1280, 720).getContext("2d");
      context.drawImage(image, 0, 0);
      return context.getImageData(0, 0, 1280, 720).data;
    };
    const [a, b] = await Promise.all(pictures.map(pixels));
    const frameRateLine = (x, y) => x < 420 && y >= 200 && y < 220;
    let count = 0;
    for (let i = 0; i < a.length; i += 4) {
      if (frameRateLine((i / 4) % 1280, Math.floor(i / 4 / 1280))) continue;
      if ([0, 1, 2].some((c) => Math.abs(a[i + c] - b[i + c]) > 24)) count++;
    }
    return count;
  }, [shown, desktop]);
  assert.ok(differing < 0.002 * 1280 * 720, `${differing} pixels differ from the desktop's`);
  await page.close();
});
