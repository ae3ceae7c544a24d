// Lays out a form in `wbforms design` with Debian's chromium, as a user does with the mouse,
// and checks that the saved form file renders and previews as the designer showed it.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

const wbforms = process.env.WBFORMS;
assert.ok(wbforms && existsSync(wbforms), 'WBFORMS names the built wbforms command');

const work = mkdtempSync(path.join(tmpdir(), 'wbforms-designer-e2e-'));
const formFile = path.join(work, 'new.dfm');
let server;
let serverExit;
let base;
let context;
let page;

// Starts `wbforms design` on a free port and reads the address it prints.
function startServer() {
  server = spawn(wbforms, ['design', formFile, '--port', '0'], { stdio: ['ignore', 'pipe', 'pipe'] });
  serverExit = new Promise((resolve) => server.on('exit', (code, signal) => resolve({ code, signal })));
  let errors = '';
  server.stderr.on('data', (chunk) => { errors += chunk; });
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error(`no address from wbforms design: ${errors}`)), 20000);
    let output = '';
    server.stdout.on('data', (chunk) => {
      output += chunk;
      const found = output.match(/http:\/\/127\.0\.0\.1:\d+\//);
      if (found) {
        clearTimeout(timer);
        resolve(found[0]);
      }
    });
    server.on('exit', () => reject(new Error(`wbforms design ended: ${errors}`)));
  });
}

async function form() {
  const response = await fetch(`${base}api/form`);
  assert.equal(response.status, 200);
  return response.json();
}

function component(formJson, name) {
  return formJson.components.find((c) => c.name === name);
}

function wbformsRun(args) {
  const run = spawnSync(wbforms, args, { encoding: 'buffer', timeout: 30000 });
  return run;
}

// Arms a palette button and clicks the surface at (x, y): the designer's way of dropping.
async function dropAt(className, x, y) {
  await page.click(`[data-class="${className}"]`);
  await page.click('#surface', { position: { x, y } });
}

async function waitForInput(selector, value) {
  await page.waitForFunction(
    ([s, v]) => document.querySelector(s) && document.querySelector(s).value === v,
    [selector, value], { timeout: 10000 });
}

before(async () => {
  base = await startServer();
  context = await chromium.launchPersistentContext(path.join(work, 'profile'), {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width: 1700, height: 1000 },
    deviceScaleFactor: 1,
  });
  page = context.pages()[0] || await context.newPage();
  await page.goto(base);
  await page.waitForSelector('body[data-ready="true"]');
});

after(async () => {
  if (context) await context.close();
  if (server && server.exitCode === null && server.signalCode === null) server.kill('SIGTERM');
  rmSync(work, { recursive: true, force: true });
});

test('lays out, refuses, clamps, saves and renders a form', async () => {
  // A page on the form, a panel on the page, a text on the panel.
  await dropAt('TWbPage', 10, 10);
  await page.waitForSelector('#overlay [data-name="WbPage1"]');
  await dropAt('TWbPanel', 30, 30);
  await page.waitForSelector('#overlay [data-name="WbPage1"] [data-name="WbPanel1"]');
  await dropAt('TWbText', 40, 40);
  await page.waitForSelector('#overlay [data-name="WbPanel1"] [data-name="WbText1"]');
  let now = await form();
  assert.deepEqual(
    ['WbPage1', 'WbPanel1', 'WbText1'].map((n) => {
      const c = component(now, n);
      return [c.parent, c.left, c.top];
    }),
    [['Form1', 10, 10], ['WbPage1', 20, 20], ['WbPanel1', 10, 10]]);

  // An image map on the panel: refused with the placement check's message, nothing changes.
  const before = await form();
  await dropAt('TWbImageMap', 35, 35);
  await page.waitForFunction(() => document.querySelector('#message').classList.contains('error'));
  assert.equal(await page.textContent('#message'), 'Imagemaps can only be put on images');
  assert.deepEqual(await form(), before);
  assert.equal(await page.locator('#overlay [data-name]').count(), 3);

  // The text dragged to Left 0 of the panel: the clamp keeps it at 1.
  const text = await page.locator('#overlay [data-name="WbText1"]').boundingBox();
  const [x, y] = [text.x + text.width / 2, text.y + text.height / 2];
  await page.mouse.move(x, y);
  await page.mouse.down();
  await page.mouse.move(x - 5, y);
  await page.mouse.move(x - 10, y);
  await page.mouse.up();
  await waitForInput('[data-path="Left"]', '1');
  assert.equal(await page.textContent('#inspector-title'), 'WbText1: TWbText');
  now = await form();
  assert.equal(component(now, 'WbText1').left, 1);
  assert.equal(component(now, 'WbText1').top, 10);

  // Font size 9 is stored as 6, and the text asked to be repainted.
  await page.fill('[data-path="Font.Size"]', '9');
  await page.press('[data-path="Font.Size"]', 'Enter');
  await waitForInput('[data-path="Font.Size"]', '6');
  assert.equal(await page.textContent('#message'), 'Repainted WbText1');

  // A closed tab loses nothing: the form lives in the designer, and a new tab shows it.
  const second = await context.newPage();
  await second.goto(base);
  await second.waitForSelector('body[data-ready="true"]');
  await second.click('#overlay [data-name="WbText1"]');
  assert.equal(await second.inputValue('[data-path="Font.Size"]'), '6');
  await second.close();

  // Saved: the file renders as the page the designer shows.
  await page.click('#save');
  await page.waitForFunction(() => document.querySelector('#message').textContent.startsWith('Saved'));
  assert.ok(existsSync(formFile));
  const rendered = wbformsRun(['render', formFile]);
  assert.equal(rendered.status, 0, String(rendered.stderr));
  const shown = Buffer.from(await (await fetch(`${base}api/html`)).arrayBuffer());
  assert.ok(shown.equals(rendered.stdout), 'the designer shows the page that the file renders');
  const live = page.frames().find((frame) => frame.url().includes('/api/html'));
  assert.ok(live, 'the live view shows the page');
  assert.ok(await live.locator('table').count() > 0);
  assert.equal(readFileSync(formFile, 'latin1'), wbformsRun(['format', formFile]).stdout.toString('latin1'),
    'saved in canonical form');
});

test('the design surface shows what wbforms preview paints', async (t) => {
  const help = wbformsRun(['preview', '--help']);
  if (help.status !== 0) {
    t.skip('this wbforms has no preview command');
    return;
  }
  // Nothing selected, nothing armed: the surface shows the form alone.
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => document.querySelector('#selection').hidden);
  const picture = path.join(work, 'preview.png');
  const preview = wbformsRun(['preview', formFile, '-o', picture]);
  assert.equal(preview.status, 0, String(preview.stderr));
  const screenshot = await page.locator('#surface').screenshot();
  const difference = await page.evaluate(async ([a, b]) => {
    const pixels = async (data) => {
      const image = new Image();
      image.src = `data:image/png;base64,${data}`;
      await image.decode();
      const canvas = document.createElement('canvas');
      canvas.width = image.width;
      canvas.height = image.height;
      const context2d = canvas.getContext('2d');
      context2d.drawImage(image, 0, 0);
      return { width: image.width, height: image.height, data: context2d.getImageData(0, 0, image.width, image.height).data };
    };
    const [left, right] = [await pixels(a), await pixels(b)];
    if (left.width !== right.width || left.height !== right.height)
      return `sizes differ: ${left.width}x${left.height} and ${right.width}x${right.height}`;
    let differing = 0;
    for (let i = 0; i < left.data.length; i += 4)
      if (left.data[i] !== right.data[i] || left.data[i + 1] !== right.data[i + 1] || left.data[i + 2] !== right.data[i + 2])
        differing += 1;
    return differing;
  }, [screenshot.toString('base64'), readFileSync(picture).toString('base64')]);
  assert.equal(difference, 0, 'pixels that differ between the design surface and wbforms preview');
});

test('the designer ends cleanly', async () => {
  server.kill('SIGINT');
  const { code, signal } = await serverExit;
  assert.equal(signal, null);
  assert.equal(code, 0);
});
