// Drives Debian's Firefox ESR for the page's tests, over WebDriver BiDi with
// puppeteer-core, for the Python tests (engines.py): one JSON command a line
// on standard input, one JSON answer a line on standard output.
//
//     node firefox.mjs LANGUAGE
//
// Commands: goto {url}; script {body, args} and async {body, args}, a
// function body run with `arguments`, as WebDriver runs it (async: its last
// argument is the callback); type {selector, text}, each character a key;
// press {key, modifiers}; click {selector}; quit.

import { createInterface } from 'node:readline';
import puppeteer from 'puppeteer-core';

const language = process.argv[2] || 'en-US';
const browser = await puppeteer.launch({
  browser: 'firefox',
  executablePath: process.env.MERVANE_FIREFOX || '/usr/bin/firefox-esr',
  headless: true,
  protocol: 'webDriverBiDi',
  defaultViewport: { width: 1000, height: 800 },
  extraPrefsFirefox: {
    'intl.accept_languages': language,
    'intl.locale.requested': language,
    // Nothing of Firefox's own reaches out: the machine's network is closed.
    'app.update.enabled': false,
    'browser.safebrowsing.malware.enabled': false,
    'browser.safebrowsing.phishing.enabled': false,
    'network.captive-portal-service.enabled': false,
    'network.connectivity-service.enabled': false,
  },
});
const [page] = await browser.pages();

const commands = {
  goto: ({ url }) => page.goto(url, { waitUntil: 'load' }).then(() => null),
  script: ({ body, args }) => page.evaluate((b, a) => new Function(b).apply(window, a), body, args),
  async: ({ body, args }) =>
    page.evaluate((b, a) => new Promise((done) => new Function(b).apply(window, [...a, done])), body, args),
  type: async ({ selector, text }) => {
    await page.focus(selector);
    for (const c of text)
      await page.keyboard.press(c);
    return null;
  },
  press: async ({ key, modifiers }) => {
    for (const m of modifiers)
      await page.keyboard.down(m);
    await page.keyboard.press(key);
    for (const m of [...modifiers].reverse())
      await page.keyboard.up(m);
    return null;
  },
  click: ({ selector }) => page.click(selector).then(() => null),
  quit: () => browser.close().then(() => null),
};

const lines = createInterface({ input: process.stdin });
for await (const line of lines) {
  const { op, ...args } = JSON.parse(line);
  let answer;
  try {
    answer = { value: (await commands[op](args)) ?? null };
  } catch (e) {
    answer = { error: String(e && e.message || e) };
  }
  process.stdout.write(JSON.stringify(answer) + '\n');
  if (op === 'quit')
    break;
}
process.exit(0);
