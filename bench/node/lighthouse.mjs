// Lighthouse on the page served over loopback, as a phone sees it (its
// default), RUNS times: the medians of the four category scores and of the
// timings, one line each, and the audits that failed in any run. A single
// run's performance score moves with the machine's load.
//
//     node lighthouse.mjs URL [RUNS]

import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';

const [url, runs = '3'] = process.argv.slice(2);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const timings = ['first-contentful-paint', 'largest-contentful-paint', 'speed-index', 'interactive',
                 'total-blocking-time', 'cumulative-layout-shift'];
const reports = [];
for (let i = 0; i < Number(runs); ++i) {
  const chrome = await chromeLauncher.launch({
    chromePath: process.env.CHROME_PATH || '/usr/bin/chromium',
    chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update', '--disable-sync',
                  '--disable-dev-shm-usage'],
  });
  try {
    reports.push((await lighthouse(url, { port: chrome.port, output: 'json', logLevel: 'error' })).lhr);
  } finally {
    await chrome.kill();
  }
}
const first = reports[0];
const scores = Object.keys(first.categories)
  .map((id) => id + ' ' + median(reports.map((r) => r.categories[id].score)).toFixed(2));
console.log('lighthouse ' + first.lighthouseVersion + ' ' + first.configSettings.formFactor + ', median of ' +
            reports.length + ': ' + scores.join(', '));
for (const id of timings) {
  const value = median(reports.map((r) => r.audits[id].numericValue));
  const unit = first.audits[id].numericUnit;
  console.log(id.replace(/-/g, '_') + ' ' + (unit === 'millisecond' ? Math.round(value) + ' ms' : value.toFixed(3)));
}
const failed = new Set(reports.flatMap((r) => Object.values(r.categories).flatMap((c) => c.auditRefs)
  .map((ref) => r.audits[ref.id])
  .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode === 'binary').map((a) => a.id)));
console.log('failed_audits ' + ([...failed].join(' ') || 'none'));
