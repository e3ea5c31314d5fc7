// The exported sample in real clients: the web site crawled in headless Chromium (and
// on a phone's 375-px screen), both SCORM packages validated with xmllint, their
// manifests compared with their zips, and each package launched as an LMS launches it
// (lms-harness.mjs): under a strict SCORM 1.2 run-time of the test's own and under
// scorm-again's Scorm12API and Scorm2004API, on the sample and on a generated course
// of 17,000 screens.
//
//   node export-in-browser.mjs LUMORA_EXPORT SAMPLE_FOLDER
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import { launchAsLms } from './lms-harness.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const [exporter, sample] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'lumora-export-'));
const site = path.join(work, 'web');
const zip = path.join(work, 'course.zip');
const zip2004 = path.join(work, 'course2004.zip');
const unpacked = path.join(work, 'package');
const unpacked2004 = path.join(work, 'package2004');
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
run(exporter, ['--scorm2004', sample, zip2004]);

// The packages: each manifest validates against the schemas its package carries, and
// lists exactly the files of the zip.
function checkPackage(file, folder, namespaces, schemas) {
  fs.mkdirSync(folder);
  run('unzip', ['-q', file, '-d', folder]);
  const zipped = run('unzip', ['-Z1', file]).split('\n').filter((name) => name && !name.endsWith('/'));
  const manifest = fs.readFileSync(path.join(folder, 'imsmanifest.xml'), 'utf8');
  const listed = new Set([...manifest.matchAll(/<file href="([^"]*)"\/>/g)].map((m) => m[1].replace(/&amp;/g, '&')));
  const inZip = new Set(zipped.filter((name) => name !== 'imsmanifest.xml'));
  check(listed.size === inZip.size && [...listed].every((name) => inZip.has(name)),
    `${file}: manifest files == zip files (only in manifest: ${[...listed].filter((n) => !inZip.has(n))}; only in zip: ${[...inZip].filter((n) => !listed.has(n))})`);
  for (const schema of schemas) check(zipped.includes(schema), `${file} carries ${schema}`);
  // xmllint loads only the schema it is given: one that imports the namespaces used.
  fs.writeFileSync(path.join(folder, 'all-schemas.xsd'), `<?xml version="1.0"?>
<xsd:schema xmlns:xsd="http://www.w3.org/2001/XMLSchema" targetNamespace="urn:lumora:all" elementFormDefault="qualified">
${Object.entries(namespaces).map(([ns, at]) => `  <xsd:import namespace="${ns}" schemaLocation="${at}"/>`).join('\n')}
</xsd:schema>
`);
  try {
    run('xmllint', ['--noout', '--schema', path.join(folder, 'all-schemas.xsd'), path.join(folder, 'imsmanifest.xml')]);
  } catch (error) {
    check(false, `${file}: imsmanifest.xml validates: ${error.stderr}`);
  }
}
checkPackage(zip, unpacked, {
  'http://www.imsproject.org/xsd/imscp_rootv1p1p2': 'imscp_rootv1p1p2.xsd',
  'http://www.adlnet.org/xsd/adlcp_rootv1p2': 'adlcp_rootv1p2.xsd',
  'http://www.imsglobal.org/xsd/imsmd_rootv1p2p1': 'imsmd_rootv1p2p1.xsd',
}, ['imscp_rootv1p1p2.xsd', 'adlcp_rootv1p2.xsd', 'imsmd_rootv1p2p1.xsd', 'ims_xml.xsd']);
checkPackage(zip2004, unpacked2004, {
  'http://www.imsglobal.org/xsd/imscp_v1p1': 'imscp_v1p1.xsd',
  'http://www.adlnet.org/xsd/adlcp_v1p3': 'adlcp_v1p3.xsd',
}, ['imscp_v1p1.xsd', 'adlcp_v1p3.xsd', 'adlseq_v1p3.xsd', 'adlnav_v1p3.xsd', 'imsss_v1p0.xsd', 'xml.xsd']);

// A course of 17,000 screens (170 chapters of 100), as both packages.
const big = path.join(work, 'velky');
fs.mkdirSync(big);
let top = 'Veľký kurz\r\n';
for (let c = 0; c < 170; c++) {
  top += `[Kapitola ${c}]k${c}.txt\r\n`;
  let chapter = `Kapitola ${c}\r\n`;
  for (let l = 0; l < 100; l++) {
    chapter += `[Lekcia ${l}]l${c}_${l}.txt\r\n`;
    fs.writeFileSync(path.join(big, `l${c}_${l}.txt`), `Lekcia ${c}.${l}\r\n<Text lekcie ${c}.${l}.>\r\n`);
  }
  fs.writeFileSync(path.join(big, `k${c}.txt`), chapter);
}
fs.writeFileSync(path.join(big, 'Obsah.txt'), top);
const bigZip = path.join(work, 'velky12.zip');
const bigZip2004 = path.join(work, 'velky2004.zip');
const bigUnpacked = path.join(work, 'velky12');
const bigUnpacked2004 = path.join(work, 'velky2004');
run(exporter, ['--scorm', big, bigZip]);
run(exporter, ['--scorm2004', big, bigZip2004]);
for (const [file, folder] of [[bigZip, bigUnpacked], [bigZip2004, bigUnpacked2004]]) {
  fs.mkdirSync(folder);
  run('unzip', ['-q', file, '-d', folder]);
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
  // A phone's screen: no page may be wider.
  await page.setViewport({ width: 375, height: 700 });
  while (queue.length) {
    const name = queue.shift();
    await page.goto(siteRoot + name, { waitUntil: 'load' });
    const width = await page.evaluate(() => document.documentElement.scrollWidth);
    check(width <= 375, `${name} fits a 375-px screen (it is ${width} px wide)`);
    const labels = await page.$$eval('nav', (navs) => navs.map((n) => n.getAttribute('aria-label') || n.className));
    check(new Set(labels).size === labels.length, `${name}: each navigation landmark has its own label (${labels})`);
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
      check(!/[^\x21-\x7e]/.test(target), `${name}: the link ${target} is percent-encoded`);
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
  const marked = await page.$$eval('#results mark', (marks) => marks.map((m) => m.textContent.toLowerCase()));
  check(marked.length > 0 && marked.every((m) => m === 'číslo' || m === 'cislo'), `the results mark the word found (got ${marked})`);
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

  // The packages under an LMS: the sample and the big course, each edition under its
  // run-times.
  const timings = [];
  const runs = [
    [unpacked, 'strict12'], [unpacked, 'again12'], [unpacked2004, 'again2004'],
    [bigUnpacked, 'strict12'], [bigUnpacked, 'again12'], [bigUnpacked2004, 'again2004'],
  ];
  for (const [folder, runtime] of runs) {
    const result = await launchAsLms(browser, here, folder, runtime);
    for (const failure of result.failures) check(false, `${path.basename(folder)} under ${runtime}: ${failure}`);
    if (result.firstScreenMs !== undefined && folder.startsWith(work + path.sep + 'velky'))
      timings.push(`${path.basename(folder)} under ${runtime}: first screen in ${result.firstScreenMs.toFixed(0)} ms`);
  }
  for (const timing of timings) console.log(`17,000 screens, ${timing}`);
} finally {
  await browser.close();
}

if (failures) {
  console.log(`${failures} check(s) failed; files kept in ${work}`);
  process.exit(1);
}
fs.rmSync(work, { recursive: true, force: true });
console.log('All browser checks passed.');
