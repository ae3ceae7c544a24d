// Fills in the example forms in Debian's chromium, served by lighttpd through CGI and FastCGI,
// and checks that every value comes back exactly as typed and that nothing typed runs as script.
// tests/e2e/run.sh starts the server and sets WBFORMS_BASE_URL.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

const base = process.env.WBFORMS_BASE_URL;
assert.ok(base, 'WBFORMS_BASE_URL names the server');

// Blanks, "+", "%", "&", "=", quotes, mark-up that would run and Latin-1 letters: each of them
// is changed somewhere between a form and a page unless encoding, decoding and escaping are
// right. A script that runs pushes onto window.ran.
const kName = 'Zoë "Ann" & Co+1=2 100% <script>ran.push(1)</script>';
const kNote = 'Äpfel & "Birnen" = 50%+x\n</TEXTAREA><script>ran.push(2)</script>\n' +
              'a  b <b>bold</b> ß';

let context;
let userDataDir;

before(async () => {
  userDataDir = mkdtempSync(join(tmpdir(), 'wbforms-chromium-'));
  context = await chromium.launchPersistentContext(userDataDir, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  context.setDefaultTimeout(15000);
});

after(async () => {
  await context?.close();
  if (userDataDir) rmSync(userDataDir, { recursive: true, force: true });
});

// A page that records scripts that run and errors that scripts raise.
async function openPage(path) {
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(String(error)));
  page.on('dialog', (dialog) => { page.errors.push('dialog: ' + dialog.message()); dialog.dismiss(); });
  await page.addInitScript(() => { window.ran = []; });
  const response = await page.goto(base + path);
  assert.equal(response.status(), 200, path);
  return page;
}

async function assertNoScriptRan(page) {
  assert.deepEqual(await page.evaluate(() => window.ran), []);
  assert.deepEqual(page.errors, []);
}

// Submits the page's form with its own method, or with GET.
async function submit(page, method) {
  if (method === 'GET') await page.$eval('form', (form) => { form.method = 'get'; });
  const [response] = await Promise.all([
    page.waitForNavigation(),
    page.click('input[type=submit]'),
  ]);
  assert.equal(response.status(), 200);
  assert.equal(response.request().method(), method);
  // The pages say they are Latin-1, so the browser sent the letters as single bytes.
  if (method === 'GET') assert.match(page.url(), /Zo%EB/);
  return page;
}

// The text of a text area comes back with a line end after its last line: the text area writes
// one after every line.
const refilled = (text) => (text.endsWith('\n') ? text : text + '\n');

for (const [way, prefix] of [['CGI', '/forms/'], ['FastCGI', '/fcgi-forms/']]) {
  describe(`wbforms cgi, ${way}: a form file whose field names contain blanks`, () => {
    for (const method of ['POST', 'GET']) {
      test(`comes back filled in as sent with ${method}`, async () => {
        const page = await openPage(prefix + 'feedback.dfm');
        assert.equal(await page.evaluate(() => document.characterSet), 'windows-1252');
        await page.fill('input[name="your name"]', kName);
        await page.selectOption('select[name="the topic"]', 'shop');
        await page.selectOption('select[name="your interests"]', 'coffee');
        await page.check('input[name=rating][value=poor]');
        await page.check('input[name=answer]');
        await page.fill('textarea[name="your comments"]', kNote);
        await submit(page, method);

        assert.equal(await page.inputValue('input[name="your name"]'), kName);
        assert.equal(await page.inputValue('textarea[name="your comments"]'), refilled(kNote));
        assert.equal(await page.inputValue('select[name="the topic"]'), 'shop');
        assert.deepEqual(await page.$eval('select[name="your interests"]',
            (s) => [...s.selectedOptions].map((o) => o.value)), ['coffee']);
        assert.equal(await page.isChecked('input[name=rating][value=poor]'), true);
        assert.equal(await page.isChecked('input[name=rating][value=good]'), false);
        assert.equal(await page.isChecked('input[name=answer]'), true);
        await assertNoScriptRan(page);
        await page.close();
      });
    }

    test('shows the form as designed to the next request', async () => {
      const page = await openPage(prefix + 'feedback.dfm');
      assert.equal(await page.inputValue('input[name="your name"]'), '');
      assert.equal(await page.inputValue('textarea[name="your comments"]'), '');
      assert.equal(await page.isChecked('input[name=rating][value=good]'), true);
      await page.close();
    });
  });
}

for (const [way, path] of [['CGI', '/cgi-bin/order'], ['FastCGI', '/fcgi/order']]) {
  describe(`the order program, ${way}`, () => {
    for (const method of ['POST', 'GET']) {
      test(`confirms an order sent with ${method}, every value as typed`, async () => {
        const page = await openPage(path);
        await page.fill('input[name=name]', kName);
        await page.fill('input[name=voucher]', 'A&B<1>');
        await page.fill('input[name=quantity]', '12');
        await page.selectOption('select[name=size]', 'l');
        await page.selectOption('select[name=colours]', ['red', 'blue']);
        await page.check('input[name=gift]');
        await page.check('input[name=shipping][value=express]');
        await page.fill('textarea[name=note]', kNote);
        await submit(page, method);

        assert.equal(await page.title(), 'Thank you');
        const text = await page.evaluate(() => document.body.textContent);
        for (const line of ['Name: ' + kName, 'Quantity: 12 (Large)', 'Colours: Red, Blue',
                            'Gift wrap: yes', 'Shipping: Express', 'Voucher: given',
                            ...kNote.split('\n')])
          assert.ok(text.includes(line), `the page shows ${JSON.stringify(line)}`);
        // The chart was drawn for this order and is served.
        const chart = await page.$eval('img', (img) => img.complete && img.naturalWidth);
        assert.ok(chart > 0, 'the chart loads');
        await assertNoScriptRan(page);
        await page.close();
      });
    }

    test('shows the order form again, filled in, when the order is wrong', async () => {
      const page = await openPage(path);
      await page.fill('input[name=name]', '  ');
      await page.fill('input[name=quantity]', '1&2');
      await page.fill('textarea[name=note]', kNote);
      await page.selectOption('select[name=colours]', 'green');
      await submit(page, 'POST');

      assert.equal(await page.title(), 'Order');
      const text = await page.evaluate(() => document.body.textContent);
      assert.ok(text.includes('Please give your name.'));
      assert.ok(text.includes('The quantity must be a number from 1 to 9999.'));
      assert.equal(await page.inputValue('input[name=name]'), '  ');
      assert.equal(await page.inputValue('input[name=quantity]'), '1&2');
      assert.equal(await page.inputValue('textarea[name=note]'), refilled(kNote));
      assert.equal(await page.inputValue('select[name=colours]'), 'green');
      await assertNoScriptRan(page);
      // Nothing of this request is left for the next one.
      const next = await openPage(path);
      assert.equal(await next.inputValue('input[name=quantity]'), '1');
      assert.equal(await next.inputValue('textarea[name=note]'), '');
      await page.close();
      await next.close();
    });
  });
}
