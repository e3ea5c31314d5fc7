// The exported sample in real clients: the web site crawled in headless Chromium, the
// SCORM package validated with xmllint, its manifest compared with its zip, and the
// package run in Chromium under the SCORM 1.2 API of scorm-again.
//
//   node export-in-browser.mjs LUMORA_EXPORT SAMPLE_FOLDER
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const here = path.dirname(fileURLToPath(import.meta.url));
const [exporter, sample] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'lumora-export-'));
const site = path.join(work, 'web');
const zip = path.join(work, 'course.zip');
const unpacked = path.join(work, 'package');
let failures = 0;

function check(ok, what) {
  if (!ok) {
    failures++;
    console.log(`FAIL: ${what}`);
  }
}

function run(program, args) {
  return execFileSync(program, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
}

// Both exports of the sample are clean.
run(exporter, ['--web', sample, site]);
run(exporter, ['--scorm', sample, zip]);

// The package: its manifest validates against the schemas it carries, and lists
// exactly the files of the zip.
fs.mkdirSync(unpacked);
run('unzip', ['-q', zip, '-d', unpacked]);
const zipped = run('unzip', ['-Z1', zip]).split('\n').filter((name) => name && !name.endsWith('/'));
const manifest = fs.readFileSync(path.join(unpacked, 'imsmanifest.xml'), 'utf8');
const listed = new Set([...manifest.matchAll(/<file href="([^"]*)"\/>/g)].map((m) => m[1].replace(/&amp;/g, '&')));
const inZip = new Set(zipped.filter((name) => name !== 'imsmanifest.xml'));
check(listed.size === inZip.size && [...listed].every((name) => inZip.has(name)),
  `manifest files == zip files (only in manifest: ${[...listed].filter((n) => !inZip.has(n))}; only in zip: ${[...inZip].filter((n) => !listed.has(n))})`);
for (const schema of ['imscp_rootv1p1p2.xsd', 'adlcp_rootv1p2.xsd', 'imsmd_rootv1p2p1.xsd', 'ims_xml.xsd'])
  check(zipped.includes(schema), `the package carries ${schema}`);
// xmllint loads only the schema it is given: one that imports the three namespaces.
fs.writeFileSync(path.join(unpacked, 'all-schemas.xsd'), `<?xml version="1.0"?>
<xsd:schema xmlns:xsd="http://www.w3.org/2001/XMLSchema" targetNamespace="urn:lumora:all" elementFormDefault="qualified">
  <xsd:import namespace="http://www.imsproject.org/xsd/imscp_rootv1p1p2" schemaLocation="imscp_rootv1p1p2.xsd"/>
  <xsd:import namespace="http://www.adlnet.org/xsd/adlcp_rootv1p2" schemaLocation="adlcp_rootv1p2.xsd"/>
  <xsd:import namespace="http://www.imsglobal.org/xsd/imsmd_rootv1p2p1" schemaLocation="imsmd_rootv1p2p1.xsd"/>
</xsd:schema>
`);
try {
  run('xmllint', ['--noout', '--schema', path.join(unpacked, 'all-schemas.xsd'), path.join(unpacked, 'imsmanifest.xml')]);
} catch (error) {
  check(false, `imsmanifest.xml validates: ${error.stderr}`);
}

const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  userDataDir: path.join(work, 'profile'),
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

try {
  // The crawl: every page of the site from index.html on, through its links.
  const page = await browser.newPage();
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()} on ${page.url()}`);
  });
  page.on('pageerror', (error) => problems.push(`script error: ${error.message} on ${page.url()}`));
  page.on('requestfailed', (request) => problems.push(`failed: ${request.url()} on ${page.url()}`));
  const siteRoot = pathToFileURL(site + '/').href;
  const queue = ['index.html'];
  const seen = new Set(queue);
  while (queue.length) {
    const name = queue.shift();
    await page.goto(siteRoot + name, { waitUntil: 'load' });
    const targets = await page.evaluate(() => {
      const out = [];
      document.querySelectorAll('a[href]').forEach((a) => out.push(a.getAttribute('href')));
      document.querySelectorAll('[src]').forEach((e) => out.push(e.getAttribute('src')));
      document.querySelectorAll('link[href]').forEach((e) => out.push(e.getAttribute('href')));
      document.querySelectorAll('form[action]').forEach((e) => out.push(e.getAttribute('action')));
      document.querySelectorAll('style').forEach((s) => {
        for (const m of s.textContent.matchAll(/url\("([^"]*)"\)/g)) out.push(m[1]);
      });
      return out;
    });
    for (const target of targets) {
      if (/^(https?|mailto|ftp):/i.test(target)) continue;
      const file = decodeURIComponent(target.split(/[?#]/)[0]);
      const full = path.resolve(site, file);
      check(full.startsWith(site + path.sep) && fs.existsSync(full) && fs.statSync(full).isFile(),
        `${name}: the link ${target} resolves to a file of the site`);
      if (file.endsWith('.html') && !seen.has(file)) {
        seen.add(file);
        queue.push(file);
      }
    }
  }
  const pages = fs.readdirSync(site).filter((name) => name.endsWith('.html'));
  check(pages.every((name) => seen.has(name)), `every page is reached (missed: ${pages.filter((n) => !seen.has(n))})`);
  check(problems.length === 0, `pages load cleanly:\n  ${problems.join('\n  ')}`);

  // The search, folded as the player folds it.
  await page.goto(siteRoot + 'index.html');
  await page.type('form.search input[name=q]', 'cislo');
  await Promise.all([page.waitForNavigation(), page.click('form.search button')]);
  const found = await page.$$eval('#results a', (links) => links.map((a) => a.getAttribute('href')));
  check(found.includes('praca-s-pocitacom-tabulky.html'), `the search finds "cislo" on the spreadsheet lesson (got ${found})`);
  await page.goto(siteRoot + 'search.html?q=' + encodeURIComponent('"VYBRANÉ slova po m"'));
  const phrase = await page.$$eval('#results a', (links) => links.map((a) => a.getAttribute('href')));
  check(phrase.length >= 1 && phrase.includes('slovencina-vs_m.html'), `a phrase finds its screen (got ${phrase})`);

  // The lesson with a table and a numbered list shows both.
  await page.goto(siteRoot + 'praca-s-pocitacom-tabulky.html');
  const shown = await page.evaluate(() => ({
    cells: [...document.querySelectorAll('.lesson table td')].filter((td) => td.offsetHeight > 0).map((td) => td.textContent),
    steps: [...document.querySelectorAll('.lesson ol li')].filter((li) => li.offsetHeight > 0).length,
  }));
  check(shown.cells.length === 12 && shown.cells.includes('=A1+A2'), `the table shows its cells (got ${shown.cells})`);
  check(shown.steps === 3, `the numbered list shows its steps (got ${shown.steps})`);
  check(problems.length === 0, `search and lesson pages load cleanly:\n  ${problems.join('\n  ')}`);

  // Without an LMS the browser keeps the learner's progress: after the crawl every screen
  // is visited, its links carry the mark and each course counts all of its screens; a
  // browser that never opened the site shows no count.
  await page.goto(siteRoot + 'index.html');
  const progress = await page.evaluate(() => ({
    counts: [...document.querySelectorAll('nav.contents .progress')].map((s) => s.textContent.trim()),
    courses: document.querySelectorAll('nav.contents > ul > li').length,
    marked: document.querySelectorAll('nav.contents a.visited').length,
  }));
  check(progress.courses > 0 && progress.counts.length === progress.courses
    && progress.counts.every((text) => /^– Navštívené obrazovky: (\d+) \/ \1$/.test(text)),
  `each course counts every screen visited (got ${progress.counts})`);
  check(progress.marked > 0, 'visited screens are marked in the contents');
  await page.evaluate(() => window.localStorage.clear());
  await page.reload({ waitUntil: 'load' });
  const fresh = await page.$$eval('nav.contents .progress', (shown) => shown.length);
  check(fresh === 0, `a site never opened shows no count (got ${fresh})`);
  await page.close();

  // The package under an LMS: a page that provides the SCORM 1.2 API from scorm-again
  // holds the launcher in a frame, as an LMS does; served over HTTP.
  const scormAgain = fs.readFileSync(path.join(here, 'node_modules/scorm-again/dist/scorm12.js'));
  const harness = `<!DOCTYPE html><html><head><meta charset="utf-8"><title>LMS</title>
<script src="/scorm12.js"></script>
<script>
  window.calls = [];
  window.API = new Scorm12API({ logLevel: 5 });
  for (const name of ['LMSInitialize', 'LMSSetValue', 'LMSCommit', 'LMSFinish']) {
    const real = window.API[name].bind(window.API);
    window.API[name] = (...args) => {
      const result = real(...args);
      window.calls.push([name, ...args.map(String), String(result)]);
      return result;
    };
  }
</script></head><body><iframe id="sco" src="/package/scorm.html" style="width:100%;height:90vh"></iframe></body></html>`;
  const server = http.createServer((request, response) => {
    const url = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (url === '/') return response.end(harness);
    if (url === '/scorm12.js') return response.end(scormAgain);
    const file = path.resolve(unpacked, '.' + url.replace(/^\/package/, ''));
    if (!url.startsWith('/package/') || !file.startsWith(unpacked) || !fs.existsSync(file)) {
      response.statusCode = 404;
      return response.end();
    }
    const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.png': 'image/png' };
    response.setHeader('Content-Type', types[path.extname(file)] || 'application/octet-stream');
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const lms = await browser.newPage();
  const lmsProblems = [];
  lms.on('pageerror', (error) => lmsProblems.push(error.message));
  lms.on('requestfailed', (request) => lmsProblems.push(`failed: ${request.url()}`));
  await lms.goto(`http://127.0.0.1:${server.address().port}/`, { waitUntil: 'load' });
  const launcher = await (await lms.waitForSelector('#sco')).contentFrame();
  await launcher.waitForSelector('#screen');
  const screens = await launcher.evaluate(() => window.lumoraPages);
  const screenFrame = async () => (await launcher.$('#screen')).contentFrame();
  const status = () => lms.evaluate(() => window.API.LMSGetValue('cmi.core.lesson_status'));
  const shownPage = async () => (await screenFrame()).evaluate(() => document.body && document.body.getAttribute('data-page'));
  // Up to 20 s: the tests run beside each other on a busy machine, where a frame can
  // take seconds to load.
  const waitFor = async (condition, what) => {
    for (const end = Date.now() + 20000; Date.now() < end;) {
      // A frame that is navigating has no page to ask yet: ask again after the pause.
      const met = await condition().catch(() => false);
      if (met) return true;
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
    check(false, what);
    return false;
  };
  await waitFor(async () => (await shownPage()) === screens[0], 'the launcher shows the first screen');
  check(await status() === 'incomplete', 'the status is "incomplete" once the course is started');

  // Visit every screen through the links of the pages: a link to a screen not yet seen
  // on the page shown, else back to the table of contents.
  const visited = new Set();
  let completedEarly = false;
  for (let steps = 0; steps < 10 * screens.length && visited.size < screens.length; steps++) {
    const frame = await screenFrame();
    const current = await shownPage();
    if (screens.includes(current)) {
      await waitFor(async () => (await lms.evaluate(() => window.API.LMSGetValue('cmi.core.lesson_location'))) === current,
        `the location is stored for ${current}`);
      visited.add(current);
      if (visited.size < screens.length && (await status()) === 'completed') completedEarly = true;
    }
    if (visited.size === screens.length) break;
    const links = await frame.$$eval('a[href]', (as) => as.map((a) => a.getAttribute('href')));
    const next = links.find((href) => screens.includes(href) && !visited.has(href)) || 'index.html';
    await frame.click(`a[href="${next}"]`);
    await waitFor(async () => (await shownPage()) === next, `the link to ${next} opens it`);
  }
  check(visited.size === screens.length, `every screen is visited through links (${visited.size} of ${screens.length})`);
  check(!completedEarly, 'the status stays "incomplete" while screens are unvisited');
  await waitFor(async () => (await status()) === 'completed', 'the status is "completed" after the last unvisited screen');

  // Leaving the course commits and finishes.
  await lms.evaluate(() => { document.getElementById('sco').src = 'about:blank'; });
  await waitFor(() => lms.evaluate(() => window.calls.some((c) => c[0] === 'LMSFinish')), 'the launcher finishes on leaving');
  const calls = await lms.evaluate(() => window.calls);
  check(calls.length > 0 && calls[0][0] === 'LMSInitialize' && calls[0][2] === 'true', 'the first call initialises');
  check(calls.some((c) => c[0] === 'LMSSetValue' && c[1] === 'cmi.core.lesson_location' && c[3] === 'true'), 'the location is set');
  check(calls.some((c) => c[0] === 'LMSSetValue' && c[1] === 'cmi.core.lesson_status' && c[2] === 'completed' && c[3] === 'true'),
    'the status "completed" is set');
  check(calls.some((c) => c[0] === 'LMSCommit' && c[2] === 'true'), 'the data is committed');
  const finish = calls.findIndex((c) => c[0] === 'LMSFinish');
  check(finish === calls.length - 1 && calls[finish][2] === 'true', 'finish is the last call and succeeds');
  check(lmsProblems.length === 0, `the package runs cleanly: ${lmsProblems}`);
  server.close();
} finally {
  await browser.close();
}

if (failures) {
  console.log(`${failures} check(s) failed; files kept in ${work}`);
  process.exit(1);
}
fs.rmSync(work, { recursive: true, force: true });
console.log('All browser checks passed.');
