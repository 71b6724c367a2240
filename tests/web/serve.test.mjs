// The page's server (scripts/web/serve.mjs) in a process of its own, as
// run-web.sh starts it: files it cannot read and clients that go away.
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import { once } from "node:events";
import { chmod, mkdtemp, readdir, rm, symlink, writeFile } from "node:fs/promises";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";
import { fileURLToPath } from "node:url";

const kServer = fileURLToPath(new URL("../../scripts/web/serve.mjs", import.meta.url));

let folder;
let server;
let url;

before(async () => {
  folder = await mkdtemp(path.join(os.tmpdir(), "tallowick-serve-"));
  await writeFile(path.join(folder, "index.html"), "<p>page</p>\n");
  await writeFile(path.join(folder, "large.bin"), Buffer.alloc(20 * 1024 * 1024, 7));
  // Opens, but every read fails (EIO).
  await symlink("/proc/self/mem", path.join(folder, "memory.bin"));
  // Cannot be opened (EACCES), except by root.
  await writeFile(path.join(folder, "locked.bin"), "locked\n");
  await chmod(path.join(folder, "locked.bin"), 0);
  server = spawn(process.execPath, [kServer, folder], {
    stdio: ["ignore", "pipe", "inherit"],
  });
  const [line] = await once(server.stdout, "data");
  url = line.toString().trim();
});

after(async () => {
  server?.kill();
  if (folder) await rm(folder, { recursive: true, force: true });
});

// One request on a connection of its own; resolves to its status and body.
function get(name) {
  return new Promise((resolve, reject) => {
    http
      .get(new URL(name, url), { agent: false }, (response) => {
        const chunks = [];
        response.on("data", (chunk) => chunks.push(chunk));
        response.on("end", () =>
          resolve({ status: response.statusCode, body: Buffer.concat(chunks).toString() }),
        );
      })
      .on("error", reject);
  });
}

// Starts a download, and goes away once its first bytes have come.
function abandonedDownload(name) {
  return new Promise((resolve, reject) => {
    const request = http.get(new URL(name, url), { agent: false }, (response) => {
      if (response.statusCode !== 200) reject(new Error(`status ${response.statusCode}`));
      response.once("data", () => request.destroy());
    });
    request.on("error", () => {});
    request.on("close", resolve);
  });
}

async function openDescriptors() {
  return (await readdir(`/proc/${server.pid}/fd`)).length;
}

test("a file the server cannot read gets an error status, and it serves on", async () => {
  const unreadable = ["memory.bin"];
  if (process.getuid() !== 0) unreadable.push("locked.bin");
  for (const name of unreadable) {
    const answer = await get(name);
    assert.ok(answer.status >= 400, `${name}: ${answer.status}`);
    const page = await get("index.html");
    assert.deepEqual(page, { status: 200, body: "<p>page</p>\n" });
  }
  assert.equal(server.exitCode, null);
});

test("downloads abandoned midway leave no file open", async () => {
  const before = await openDescriptors();
  for (let batch = 0; batch < 10; ++batch) {
    await Promise.all(Array.from({ length: 20 }, () => abandonedDownload("large.bin")));
  }
  // The server learns of each client's going in its own time.
  let now = await openDescriptors();
  for (let polls = 0; now > before && polls < 600; ++polls) {
    await new Promise((resolve) => setTimeout(resolve, 100));
    now = await openDescriptors();
  }
  assert.ok(now <= before, `${before} descriptors open before, ${now} after`);
  assert.equal((await get("index.html")).status, 200);
});
