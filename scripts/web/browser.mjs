// Debian's Chromium and Firefox, headless, driven by Puppeteer for the
// browser build's screenshot, benchmark and tests, and what they read off the
// page. TALLOWICK_BROWSER (chromium or firefox, default chromium) picks the
// engine.
import puppeteer from "puppeteer-core";

export const kEngines = ["chromium", "firefox"];
export const kEngine = process.env.TALLOWICK_BROWSER ?? "chromium";
if (!kEngines.includes(kEngine)) {
  throw new Error(`TALLOWICK_BROWSER is ${kEngine}; it may be ${kEngines.join(" or ")}`);
}
// The engine's name as people write it, for test names and reports.
export const kEngineName = { chromium: "Chromium", firefox: "Firefox" }[kEngine];

// WebGPU on Chromium's own software renderer (SwiftShader), whose pictures
// show in screenshots: the only set of flags found to give both without a GPU.
const kChromiumWebGpuFlags = [
  "--enable-unsafe-webgpu",
  "--enable-unsafe-swiftshader",
  "--use-angle=swiftshader",
  "--use-gl=angle",
  "--enable-features=Vulkan",
  "--use-vulkan=swiftshader",
];

// A machine without a network: nothing that would try to reach one.
const kChromiumQuietFlags = [
  "--no-first-run",
  "--disable-background-networking",
  "--disable-component-update",
  "--disable-sync",
  "--disable-quic",
];

// Firefox offers WebGPU on Linux only when asked to, and with a software
// adapter only when its block list is set aside.
const kFirefoxWebGpuPrefs = {
  "dom.webgpu.enabled": true,
  "gfx.webgpu.ignore-blocklist": true,
  "gfx.webgpu.force-enabled": true,
};

const kFirefoxQuietPrefs = {
  "app.update.enabled": false,
  "browser.shell.checkDefaultBrowser": false,
  "datareporting.policy.dataSubmissionEnabled": false,
  "toolkit.telemetry.enabled": false,
  "network.captive-portal-service.enabled": false,
  "network.connectivity-service.enabled": false,
};

// The window the page opens in, in CSS pixels: the canvas and the lines
// under it.
const kWindow = { width: 1400, height: 1100 };

export const kCanvasWidth = 1280;
export const kCanvasHeight = 720;

// Starts the engine headless. `webgpu: false` leaves WebGPU as the browser
// has it by default; `deviceScaleFactor` sets the device pixels per CSS pixel.
export async function launchBrowser({ webgpu = true, deviceScaleFactor = 1 } = {}) {
  if (kEngine === "firefox") {
    return puppeteer.launch({
      browser: "firefox",
      executablePath: process.env.TALLOWICK_FIREFOX ?? "/usr/bin/firefox-esr",
      headless: true,
      defaultViewport: null,
      args: [`--width=${kWindow.width}`, `--height=${kWindow.height}`],
      extraPrefsFirefox: {
        ...kFirefoxQuietPrefs,
        ...(webgpu ? kFirefoxWebGpuPrefs : {}),
        "layout.css.devPixelsPerPx": String(deviceScaleFactor),
      },
    });
  }
  const args = [
    ...kChromiumQuietFlags,
    ...(webgpu ? kChromiumWebGpuFlags : []),
    `--window-size=${kWindow.width},${kWindow.height}`,
    `--force-device-scale-factor=${deviceScaleFactor}`,
  ];
  if (process.getuid?.() === 0) args.push("--no-sandbox");
  return puppeteer.launch({
    browser: "chrome",
    executablePath: process.env.TALLOWICK_CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    defaultViewport: null,
    args,
  });
}

// Calls `probe` until it returns something other than undefined, and
// resolves to that; fails after `seconds` with `what` in the message.
export async function waitFor(what, probe, seconds = 60) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    const found = await probe();
    if (found !== undefined) return found;
    if (Date.now() > deadline) throw new Error(`gave up waiting for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

// The canvas's box on the page, in CSS pixels.
export async function canvasBox(page) {
  const canvas = await page.$("#canvas");
  try {
    return await canvas.boundingBox();
  } finally {
    await canvas.dispose();
  }
}

// What the canvas shows now, counted in the page from a screenshot of it
// (in device pixels): the colour at each of `points` ([x, y] in the canvas's
// CSS pixels), the number of near-pure red, green and blue device pixels, of
// dark ones (the panel), and the centre of the blue ones in CSS pixels.
export async function readCanvas(page, points = []) {
  const canvas = await page.$("#canvas");
  let base64;
  try {
    base64 = await canvas.screenshot({ encoding: "base64" });
  } finally {
    await canvas.dispose();
  }
  return page.evaluate(
    async ({ base64, points }) => {
      const image = await createImageBitmap(
        await (await fetch(`data:image/png;base64,${base64}`)).blob());
      const context = new OffscreenCanvas(image.width, image.height).getContext("2d");
      context.drawImage(image, 0, 0);
      const { data, width } = context.getImageData(0, 0, image.width, image.height);
      const scale = width / document.getElementById("canvas").getBoundingClientRect().width;
      const pixel = (x, y) => (Math.floor(y * scale) * width + Math.floor(x * scale)) * 4;
      const at = (x, y) => Array.from(data.slice(pixel(x, y), pixel(x, y) + 3));
      const counts = { red: 0, green: 0, blue: 0, dark: 0 };
      let blueX = 0;
      let blueY = 0;
      for (let i = 0; i < data.length; i += 4) {
        const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
        if (r > 220 && g < 40 && b < 40) counts.red++;
        if (g > 220 && r < 40 && b < 40) counts.green++;
        if (b > 220 && r < 40 && g < 40) {
          counts.blue++;
          blueX += (i / 4) % width;
          blueY += Math.floor(i / 4 / width);
        }
        if (r < 45 && g < 45 && b < 50) counts.dark++;
      }
      return {
        colours: points.map(([x, y]) => at(x, y)),
        ...counts,
        blueCentre: counts.blue > 0 ? [blueX / counts.blue / scale, blueY / counts.blue / scale] : null,
      };
    },
    { base64, points });
}

// Opens the page; `lines` collects what the program writes on standard
// output (the console's log lines), `errors` the console's errors.
// `beforeLoading(page)` runs before the page loads (for scripts that change
// what the page finds).
export async function openPage(browser, url, lines = [], errors = [], beforeLoading = null) {
  const page = await browser.newPage();
  await beforeLoading?.(page);
  page.on("console", (message) => {
    if (message.type() === "log") lines.push(message.text());
    if (message.type() === "error") errors.push(message.text());
  });
  await page.goto(url);
  return page;
}

export const kClearColour = [115, 140, 153];

export function showsClearColour(picture) {
  return picture.colours[0].every((value, i) => Math.abs(value - kClearColour[i]) <= 2);
}

// Resolves once the canvas shows a frame: the clear colour in its
// bottom-right corner.
export async function waitForFirstFrame(page) {
  await waitFor("the first frame", async () => {
    const picture = await readCanvas(page, [[kCanvasWidth - 4, kCanvasHeight - 4]]);
    return showsClearColour(picture) ? picture : undefined;
  });
}

// Where the panel's fields are on the canvas, with the UI library's default
// style and font.
export const kSpeedSlider = [170, 97];
export const kVertex1Red = [100, 142];
// A point on the triangle, away from the panel.
export const kAwayFromPanel = [900, 420];

export async function canvasOrigin(page) {
  const box = await canvasBox(page);
  return [box.x, box.y];
}

export async function clickCanvas(page, [x, y], options = {}) {
  const [left, top] = await canvasOrigin(page);
  await page.mouse.click(left + x, top + y, options);
}

// The browser delivers input as it comes, and the UI reads which keys are
// held once a frame: a key pressed and let go between two frames is not seen
// held. A person holds a key for longer than a frame; the tests wait for one.
async function nextFrame(page) {
  await page.evaluate(
    () => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
}

async function holding(page, key, action) {
  await page.keyboard.down(key);
  await nextFrame(page);
  await action();
  await nextFrame(page);
  await page.keyboard.up(key);
  await nextFrame(page);
}

// Ctrl+click a field of the panel, type a value into it and apply it.
export async function typeIntoField(page, field, value) {
  await holding(page, "Control", () => clickCanvas(page, field));
  await holding(page, "Control", () => page.keyboard.press("A"));
  await page.keyboard.type(value);
  await holding(page, "Enter", async () => {});
}

export async function linesShown(page) {
  return (await page.$eval("#output", (output) => output.textContent)).split("\n").filter(Boolean);
}
