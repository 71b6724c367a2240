// Serves the files of one folder over http on 127.0.0.1, for the browser
// build's page. Run as `node scripts/web/serve.mjs <folder> [port]` it prints
// the page's address on one line once it listens, then serves until stopped;
// port 0 (the default) takes any free one. servePage does the same for a
// script.
import { createReadStream } from "node:fs";
import { stat } from "node:fs/promises";
import http from "node:http";
import path from "node:path";
import { pathToFileURL } from "node:url";

const kTypes = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
  ".png": "image/png",
};

// The file a request names, or null when it names nothing inside the folder.
function fileFor(folder, url) {
  let name;
  try {
    name = decodeURIComponent(new URL(url, "http://127.0.0.1").pathname);
  } catch {
    return null;
  }
  if (name.endsWith("/")) name += "index.html";
  const file = path.resolve(folder, "." + name);
  return file.startsWith(folder + path.sep) ? file : null;
}

async function answer(folder, request, response) {
  const file = fileFor(folder, request.url);
  const found = file && (await stat(file).catch(() => null));
  if (request.method !== "GET" && request.method !== "HEAD") {
    response.writeHead(405, { Allow: "GET, HEAD" }).end();
  } else if (!found || !found.isFile()) {
    response.writeHead(404, { "Content-Type": "text/plain" }).end("not found\n");
  } else {
    // Set, not written: the headers go out with the first bytes read, so a
    // file that cannot be read still gets an error status.
    response.statusCode = 200;
    response.setHeader("Content-Type", kTypes[path.extname(file)] ?? "application/octet-stream");
    response.setHeader("Content-Length", found.size);
    response.setHeader("Cache-Control", "no-cache");
    if (request.method === "HEAD") response.end();
    else sendFile(file, response);
  }
}

const kErrorStatuses = { EACCES: 403, EPERM: 403, ENOENT: 404, EISDIR: 404 };

function sendFile(file, response) {
  const stream = createReadStream(file);
  // A client that goes away before the end leaves the response closed and
  // the file half read: the file is closed with it.
  response.once("close", () => stream.destroy());
  response.on("error", () => stream.destroy());
  stream.once("error", (error) => {
    if (response.headersSent) {
      // Part of the file went out: the client sees a cut answer.
      response.destroy();
      return;
    }
    response.removeHeader("Content-Length");
    response.removeHeader("Cache-Control");
    response
      .writeHead(kErrorStatuses[error.code] ?? 500, { "Content-Type": "text/plain" })
      .end(`cannot read the file (${error.code ?? error.message})\n`);
  });
  stream.pipe(response);
}

// Resolves to the listening server and the page's address.
export function servePage(folder, port = 0) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    answer(root, request, response).catch(() => response.destroy());
  });
  return new Promise((resolve, reject) => {
    server.once("error", reject);
    server.listen(port, "127.0.0.1", () => {
      resolve({ server, url: `http://127.0.0.1:${server.address().port}/` });
    });
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const port = Number(process.argv[3] ?? 0);
  try {
    const { url } = await servePage(process.argv[2] ?? ".", port);
    console.log(url);
  } catch (error) {
    console.error(`cannot serve on 127.0.0.1:${port}: ${error.code ?? error.message}`);
    process.exit(1);
  }
}
