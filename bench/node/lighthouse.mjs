// Lighthouse on the page served over loopback, as a phone sees it (its
// default): the four category scores and the timings, one line each.
//
//     node run.mjs URL

import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';

const url = process.argv[2];
const chrome = await chromeLauncher.launch({
  chromePath: process.env.CHROME_PATH || '/usr/bin/chromium',
  chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                '--disable-background-networking', '--disable-component-update', '--disable-sync',
                '--disable-dev-shm-usage'],
});
try {
  const result = await lighthouse(url, { port: chrome.port, output: 'json', logLevel: 'error' });
  const lhr = result.lhr;
  const scores = Object.values(lhr.categories).map((c) => c.id + ' ' + c.score.toFixed(2));
  console.log('lighthouse ' + lhr.lighthouseVersion + ' ' + lhr.configSettings.formFactor + ': ' + scores.join(', '));
  for (const id of ['first-contentful-paint', 'largest-contentful-paint', 'speed-index', 'interactive',
                    'total-blocking-time', 'cumulative-layout-shift']) {
    const audit = lhr.audits[id];
    console.log(id.replace(/-/g, '_') + ' ' + audit.displayValue);
  }
  const failed = Object.values(lhr.categories).flatMap((c) => c.auditRefs)
    .map((ref) => lhr.audits[ref.id])
    .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode === 'binary');
  console.log('failed_audits ' + (failed.map((a) => a.id).join(' ') || 'none'));
} finally {
  await chrome.kill();
}
