// The web remote's page in Debian's Chromium, driven by playwright-core:
// two pages follow each other and the headless panel, their settings reach
// the unit simulator's pseudo-terminal, a page without the token gets
// nothing, a read-only page changes nothing, and a page that loses its
// connection or a change comes back in step. Screenshots at phone and
// tablet size land in the output folder.
//
// node page_test.mjs PANEL_BINARY OUTPUT_DIR PLAYWRIGHT_DIR
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { createInterface } from "node:readline";

const [panelBinary, outputDir, playwrightDir] = process.argv.slice(2);
const { chromium } = createRequire(join(playwrightDir, "/"))("playwright-core");
const LIMIT_MS = 10000;
const scratch = mkdtempSync(join(tmpdir(), "dsp-web-page-"));
const started = [];

// A child process whose output lines can be waited for.
function start(args, env) {
  const child = spawn(panelBinary, args, { env: { ...process.env, ...env }, stdio: ["pipe", "pipe", "pipe"] });
  started.push(child);
  const lines = { stdout: [], stderr: [] };
  const waiters = [];
  for (const name of ["stdout", "stderr"]) {
    createInterface({ input: child[name] }).on("line", (line) => {
      lines[name].push(line);
      for (const w of [...waiters]) if (w.name === name && w.match(line)) { waiters.splice(waiters.indexOf(w), 1); w.resolve(line); }
    });
  }
  child.waitLine = (name, match, what) => {
    const found = lines[name].find(match);
    if (found) return Promise.resolve(found);
    return new Promise((resolve, reject) => {
      const w = { name, match, resolve };
      waiters.push(w);
      setTimeout(() => reject(new Error(`no ${what} on ${name} within ${LIMIT_MS} ms:\n${lines[name].join("\n")}`)), LIMIT_MS);
    });
  };
  child.lines = lines;
  return child;
}

let commandCount = 0;
// One headless command; resolves with its answer once its "ok" came.
async function command(panel, line) {
  const before = panel.lines.stdout.filter((l) => l === "ok" || l.startsWith("error:")).length;
  panel.stdin.write(line + "\n");
  ++commandCount;
  await waitFor(() => panel.lines.stdout.filter((l) => l === "ok" || l.startsWith("error:")).length > before, line);
  const answer = panel.lines.stdout.filter((l) => l === "ok" || l.startsWith("error:"))[before];
  assert.equal(answer, "ok", `${line}: ${answer}`);
}

async function waitFor(condition, what) {
  const deadline = Date.now() + LIMIT_MS;
  while (!(await condition())) {
    if (Date.now() > deadline) throw new Error(`timed out waiting for ${what}`);
    await new Promise((r) => setTimeout(r, 20));
  }
}

async function params(panel) {
  const from = panel.lines.stdout.length;
  await command(panel, "params");
  return Object.fromEntries(panel.lines.stdout.slice(from).filter((l) => / /.test(l)).map((l) => l.split(" ")));
}

const inStep = (page) => page.waitForSelector('#sync[data-state="in-step"]', { timeout: LIMIT_MS });
const valueOf = (page, name) => page.$eval(`[data-name="${name}"]`, (e) => e.value);
const showsValue = (page, name, value) =>
  page.waitForFunction(([n, v]) => document.querySelector(`[data-name="${n}"]`)?.value === v, [name, value],
                       { timeout: LIMIT_MS });

async function main() {
  const unit = start(["simulate-unit", "--pty"], {});
  const ptyPath = await unit.waitLine("stdout", (l) => l.startsWith("/dev/"), "the pseudo-terminal");
  const panel = start(["--headless", "--web", "127.0.0.1:0", "--map", `COM1=${ptyPath}`],
                      { XDG_CONFIG_HOME: join(scratch, "config") });
  const control = (await panel.waitLine("stderr", (l) => l.startsWith("dsp-panel: web remote: "), "the address"))
                      .split(" ").pop();
  const watch = (await panel.waitLine("stderr", (l) => l.includes("read-only: "), "the read-only address"))
                    .split(" ").pop();
  const base = control.replace(/\/\?t=.*/, "");
  await command(panel, "pick bsSkinComboBox1 0");
  await command(panel, "click bsSkinButton1");

  const context = await chromium.launchPersistentContext(join(scratch, "profile"), {
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
    viewport: { width: 390, height: 844 },
  });
  try {
    const [one, two] = [await context.newPage(), await context.newPage()];
    for (const page of [one, two]) {
      assert.equal((await page.goto(control)).status(), 200);
      await inStep(page);
    }
    assert.equal(await one.textContent("#link"), "status: connected");

    // A fader moved in one page: the other follows, the unit gets the frame.
    const start31 = Number(await valueOf(one, "MAIN-VOL"));
    await one.focus('[data-name="MAIN-VOL"]');
    for (let v = start31; v < 31; ++v) await one.keyboard.press("ArrowUp");
    await showsValue(two, "MAIN-VOL", "31");
    await unit.waitLine("stdout", (l) => l === "MAIN-VOL 31", "MAIN-VOL 31 at the unit");
    assert.equal((await params(panel))["MAIN-VOL"], "31");
    // A list set in the other page.
    await two.selectOption('[data-name="KEY"]', "#+2");
    await showsValue(one, "KEY", "#+2");
    await unit.waitLine("stdout", (l) => l === "KEY #+2", "KEY #+2 at the unit");

    // A change made in the headless panel reaches both pages.
    await command(panel, "set ECHO 40");
    await showsValue(one, "ECHO", "40");
    await showsValue(two, "ECHO", "40");

    // Without the token: no page, and no socket either.
    const stranger = await context.newPage();
    const refused = await stranger.goto(base + "/");
    assert.equal(refused.status(), 403);
    assert.ok(!(await stranger.content()).includes("MAIN-VOL"));
    await stranger.goto(base + "/?t=0123456789abcdef0123456789abcdef");
    const opened = await stranger.evaluate((url) => new Promise((resolve) => {
      const socket = new WebSocket(url);
      socket.onopen = () => resolve(true);
      socket.onerror = socket.onclose = () => resolve(false);
    }), base.replace("http:", "ws:") + "/ws?t=wrong");
    assert.equal(opened, false);

    // Read-only: the page shows it, its controls are off, and a set sent
    // anyway is refused.
    const viewer = await context.newPage();
    await viewer.goto(watch);
    await inStep(viewer);
    assert.equal(await viewer.isVisible("#role"), true);
    assert.equal(await viewer.$eval('[data-name="MAIN-VOL"]', (e) => e.disabled), true);
    await viewer.evaluate(() => socket.send(JSON.stringify({ set: "MAIN-VOL", value: 5 })));
    await viewer.waitForSelector("#toast >> text=read-only", { timeout: LIMIT_MS });
    assert.equal((await params(panel))["MAIN-VOL"], "31");
    await showsValue(viewer, "MAIN-VOL", "31");

    // A page that loses its connection shows it, and comes back in step with
    // what changed meanwhile.
    await two.evaluate(() => socket.close());
    await two.waitForSelector('#sync[data-state="out-of-step"]', { timeout: LIMIT_MS });
    await command(panel, "set REPEAT 33");
    await inStep(two);
    await showsValue(two, "REPEAT", "33");
    // A change it missed (its revision count set back) makes it ask again.
    await two.evaluate(() => { rev -= 1; });
    await command(panel, "set DELAY 99");
    await showsValue(two, "DELAY", "99");
    await inStep(two);
    // Coming back to the foreground asks again too.
    await two.evaluate(() => { rev = -5; document.dispatchEvent(new Event("visibilitychange")); });
    await inStep(two);

    await one.screenshot({ path: join(outputDir, "web-phone.png"), fullPage: true });
    await one.setViewportSize({ width: 820, height: 1180 });
    await one.screenshot({ path: join(outputDir, "web-tablet.png"), fullPage: true });
    await command(panel, "quit");
  } finally {
    await context.close();
  }
}

try {
  await main();
  console.log(`page test passed (${commandCount} panel commands)`);
} catch (error) {
  console.error(error);
  process.exitCode = 1;
} finally {
  for (const child of started) if (child.exitCode === null) child.kill("SIGTERM");
  rmSync(scratch, { recursive: true, force: true });
}
