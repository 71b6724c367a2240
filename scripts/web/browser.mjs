// Debian's Chromium, headless, driven by Playwright for the browser build's
// screenshot and tests, and what they read off the page.
import { chromium } from "playwright-core";

// WebGPU on Chromium's own software renderer (SwiftShader), whose pictures
// show in screenshots: the only set of flags found to give both without a GPU.
const kWebGpuFlags = [
  "--enable-unsafe-webgpu",
  "--enable-unsafe-swiftshader",
  "--use-angle=swiftshader",
  "--use-gl=angle",
  "--enable-features=Vulkan",
  "--use-vulkan=swiftshader",
];

// A machine without a network: nothing that would try to reach one.
const kQuietFlags = [
  "--no-first-run",
  "--disable-background-networking",
  "--disable-component-update",
  "--disable-sync",
  "--disable-quic",
];

export const kCanvasWidth = 1280;
export const kCanvasHeight = 720;

export async function launchChromium({ webgpu = true } = {}) {
  const args = [...kQuietFlags, ...(webgpu ? kWebGpuFlags : [])];
  if (process.getuid?.() === 0) args.push("--no-sandbox");
  return chromium.launch({
    executablePath: process.env.TALLOWICK_CHROMIUM ?? "/usr/bin/chromium",
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

// What the canvas shows now, counted in the page from a screenshot of it:
// the colour at each of `points` ([x, y] in canvas pixels), the number of
// near-pure red, green and blue pixels, of dark pixels (the panel), and the
// centre of the blue ones.
export async function readCanvas(page, points = []) {
  const png = await page.locator("#canvas").screenshot();
  return page.evaluate(
    async ({ base64, points }) => {
      const image = await createImageBitmap(
        await (await fetch(`data:image/png;base64,${base64}`)).blob());
      const context = new OffscreenCanvas(image.width, image.height).getContext("2d");
      context.drawImage(image, 0, 0);
      const { data, width } = context.getImageData(0, 0, image.width, image.height);
      const at = (x, y) => Array.from(data.slice((y * width + x) * 4, (y * width + x) * 4 + 3));
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
        blueCentre: counts.blue > 0 ? [blueX / counts.blue, blueY / counts.blue] : null,
      };
    },
    { base64: png.toString("base64"), points });
}

// Opens the page; `lines` collects what the program writes on standard
// output (the console's log lines).
export async function openPage(browser, url, lines = []) {
  const page = await browser.newPage({ viewport: { width: 1400, height: 1100 } });
  page.on("console", (message) => {
    if (message.type() === "log") lines.push(message.text());
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
