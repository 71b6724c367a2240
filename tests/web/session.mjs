// What each browser test file shares: the page served and the engine started
// before its tests, both stopped after them, and every test named with the
// engine. The page comes from TALLOWICK_WEB_PAGE (default build-web/page).
import path from "node:path";
import { after, before, test as nodeTest } from "node:test";

import { kEngineName, launchBrowser } from "../../scripts/web/browser.mjs";
import { servePage } from "../../scripts/web/serve.mjs";

export const kFolder = process.env.TALLOWICK_WEB_PAGE ?? path.join("build-web", "page");

export const session = { served: null, browser: null };

before(async () => {
  session.served = await servePage(kFolder);
  session.browser = await launchBrowser();
});

after(async () => {
  await session.browser?.close();
  session.served?.server.close();
});

export const test = (name, ...rest) => nodeTest(`${kEngineName}: ${name}`, ...rest);
