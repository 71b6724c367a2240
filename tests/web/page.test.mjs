// The browser build in a real browser, headless, with WebGPU on a software
// adapter: Debian's Chromium or Firefox, as TALLOWICK_BROWSER says (each test
// is named with it), the page served on 127.0.0.1 (tests/web/session.mjs).
import assert from "node:assert/strict";

import {
  clickCanvas,
  canvasOrigin,
  kAwayFromPanel,
  kCanvasHeight,
  kCanvasWidth,
  kSpeedSlider,
  kVertex1Red,
  launchBrowser,
  linesShown,
  openPage,
  readCanvas,
  showsClearColour,
  waitFor,
  typeIntoField,
  waitForFirstFrame,
} from "../../scripts/web/browser.mjs";
import { session, test } from "./session.mjs";

async function startedPage(lines = [], errors = []) {
  const page = await openPage(session.browser, session.served.url, lines, errors);
  await waitForFirstFrame(page);
  return page;
}

// The angle of the blue apex about the canvas's centre, in degrees.
async function apexAngle(page) {
  const { blueCentre } = await readCanvas(page);
  assert.ok(blueCentre, "the blue apex shows");
  const [x, y] = blueCentre;
  return (Math.atan2(y - kCanvasHeight / 2, x - kCanvasWidth / 2) * 180) / Math.PI;
}

// The direction the triangle turns on the screen (+1 or -1), once it has
// turned by a few degrees.
async function turning(page) {
  const from = await apexAngle(page);
  return waitFor("the triangle to turn", async () => {
    const turned = ((await apexAngle(page)) - from + 540) % 360 - 180;
    return Math.abs(turned) >= 4 ? Math.sign(turned) : undefined;
  });
}

test("the page shows the clear colour, the three vertex colours and the panel", async () => {
  const page = await startedPage();
  assert.equal(await page.title(), "Tallowick");
  const picture = await readCanvas(page, [[4, 4], [kCanvasWidth - 4, kCanvasHeight - 4]]);
  assert.ok(showsClearColour(picture), `clear colour: ${picture.colours[0]}`);
  for (const colour of ["red", "green", "blue"]) {
    assert.ok(picture[colour] > 2000, `${colour} pixels: ${picture[colour]}`);
  }
  assert.ok(picture.dark > 20000, `the panel's dark pixels: ${picture.dark}`);
  await page.close();
});

test("a click and a key are echoed exactly, on the console and under the canvas", async () => {
  const lines = [];
  const errors = [];
  const page = await startedPage(lines, errors);
  await clickCanvas(page, kAwayFromPanel);
  await clickCanvas(page, [1000, 600], { button: "right" });
  await clickCanvas(page, [1001, 601], { button: "middle" });
  await page.keyboard.press("A");
  await page.keyboard.press("Semicolon");
  await page.keyboard.press("Slash");
  const expected = [
    "button:0 action:1 x:900 y:420",
    "button:0 action:0 x:900 y:420",
    "button:1 action:1 x:1000 y:600",
    "button:1 action:0 x:1000 y:600",
    "button:2 action:1 x:1001 y:601",
    "button:2 action:0 x:1001 y:601",
    "key:65 action:1",
    "key:65 action:0",
    "key:59 action:1",
    "key:59 action:0",
    "key:47 action:1",
    "key:47 action:0",
  ];
  await waitFor("the echo", async () => (lines.length >= expected.length ? true : undefined));
  assert.deepEqual(lines, expected);
  assert.deepEqual(await linesShown(page), expected);
  assert.deepEqual(errors, [], "no error on the console");
  await page.close();
});

test("a press released off the canvas is echoed there, and no menu opens", async () => {
  const lines = [];
  const page = await startedPage(lines);
  await page.evaluate(() => {
    window.menus = [];
    window.addEventListener("contextmenu", (event) => window.menus.push(event.defaultPrevented));
  });
  const [left, top] = await canvasOrigin(page);
  await page.mouse.move(left + 900, top + 420);
  await page.mouse.down();
  await page.mouse.move(left + 1350, top + 800, { steps: 5 });
  await page.mouse.up();
  await clickCanvas(page, [1000, 600], { button: "right" });
  const expected = [
    "button:0 action:1 x:900 y:420",
    "button:0 action:0 x:1350 y:800",
    "button:1 action:1 x:1000 y:600",
    "button:1 action:0 x:1000 y:600",
  ];
  await waitFor("the echo", async () => (lines.length >= expected.length ? true : undefined));
  assert.deepEqual(lines, expected);
  const menus = await waitFor("the right click's menu event", async () => {
    const seen = await page.evaluate(() => window.menus);
    return seen.length > 0 ? seen : undefined;
  });
  assert.deepEqual(menus, [true], "the page keeps the browser's menu closed");
  await page.close();
});

test("a left press reverses the turning", async () => {
  const page = await startedPage();
  await typeIntoField(page, kSpeedSlider, "20");
  const before = await turning(page);
  await clickCanvas(page, kAwayFromPanel);
  assert.equal(await turning(page), -before);
  await clickCanvas(page, kAwayFromPanel, { button: "right" });
  assert.equal(await turning(page), -before, "only the left button reverses");
  await page.close();
});

test("an edit in the panel changes the triangle's colour", async () => {
  const page = await startedPage();
  assert.ok((await readCanvas(page)).red > 2000);
  await typeIntoField(page, kVertex1Red, "0");
  await waitFor("the first vertex to lose its red", async () =>
    (await readCanvas(page)).red < 50 ? true : undefined);
  await page.close();
});

test("without WebGPU the page says so, and what to do", async () => {
  const withoutFlags = await launchBrowser({ webgpu: false });
  try {
    for (const hideWebGpu of [false, true]) {
      const page = await withoutFlags.newPage();
      if (hideWebGpu) {
        await page.evaluateOnNewDocument(() => delete Navigator.prototype.gpu);
      }
      await page.goto(session.served.url);
      const problem = await page.waitForSelector("#problem", { visible: true, timeout: 60000 });
      assert.match(await problem.evaluate((element) => element.textContent), /WebGPU/);
      assert.equal(await page.$eval("#canvas", (canvas) => canvas.checkVisibility()), false);
      await page.close();
    }
  } finally {
    await withoutFlags.close();
  }
});
