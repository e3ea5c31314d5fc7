// Launches an unpacked SCORM package the way an LMS does: reads imsmanifest.xml, and
// for every item opens its resource's href with the item's parameters appended in a
// frame of a page that holds the run-time (the test's strict SCORM 1.2 model, or
// scorm-again's Scorm12API or Scorm2004API). Per item, two sessions:
//   1. a first launch: the top screen shows; half the screens are visited; closing
//      the frame ends the session;
//   2. a relaunch with the stored data and entry "resume": the stored screen shows;
//      the other half is visited: "completed".
// Every session must set a valid session time and the exit ("suspend" while
// incomplete, "" once completed) and end with finish; every call must succeed.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

const Names = {
  '1.2': {
    init: 'LMSInitialize', set: 'LMSSetValue', get: 'LMSGetValue', commit: 'LMSCommit', finish: 'LMSFinish',
    location: 'cmi.core.lesson_location', status: 'cmi.core.lesson_status', exit: 'cmi.core.exit',
    time: 'cmi.core.session_time', timeFormat: /^[0-9]{2,4}:[0-5][0-9]:[0-5][0-9](\.[0-9]{1,2})?$/,
  },
  '2004': {
    init: 'Initialize', set: 'SetValue', get: 'GetValue', commit: 'Commit', finish: 'Terminate',
    location: 'cmi.location', status: 'cmi.completion_status', exit: 'cmi.exit', time: 'cmi.session_time',
    timeFormat: /^P(?:[0-9]+Y)?(?:[0-9]+M)?(?:[0-9]+D)?(?:T(?:[0-9]+H)?(?:[0-9]+M)?(?:[0-9]+(?:\.[0-9]{1,2})?S)?)?$/,
  },
};

const harnessPage = `<!DOCTYPE html><html><head><meta charset="utf-8"><title>LMS</title>
<script src="/scorm12.js"></script><script src="/scorm2004.js"></script><script src="/strict12.js"></script>
<script>
  // Opens the SCO in the frame under a fresh run-time; stored: the last session's data.
  window.launch = function (runtime, address, stored) {
    window.calls = [];
    let api;
    if (runtime === 'strict12') {
      api = new StrictScorm12(stored);
    } else if (runtime === 'again12') {
      api = new Scorm12API({ logLevel: 5 });
      if (stored) api.loadFromJSON({ core: { entry: stored.exit === 'suspend' ? 'resume' : '', lesson_location: stored.location,
        lesson_status: stored.status }, suspend_data: stored.suspendData });
    } else {
      api = new Scorm2004API({ logLevel: 5 });
      if (stored) api.loadFromJSON({ entry: stored.exit === 'suspend' ? 'resume' : '', location: stored.location,
        completion_status: stored.status, suspend_data: stored.suspendData });
    }
    const wrapped = {};
    for (const name of ['LMSInitialize', 'LMSSetValue', 'LMSGetValue', 'LMSCommit', 'LMSFinish', 'LMSGetLastError',
      'Initialize', 'SetValue', 'GetValue', 'Commit', 'Terminate', 'GetLastError']) {
      if (typeof api[name] !== 'function') continue;
      wrapped[name] = (...args) => {
        const result = api[name](...args);
        window.calls.push([name, ...args.map(String), String(result), performance.now()]);
        return result;
      };
    }
    window.runtime = api;
    delete window.API;
    delete window.API_1484_11;
    window[runtime === 'again2004' ? 'API_1484_11' : 'API'] = wrapped;
    window.launchedAt = performance.now();
    document.getElementById('sco').src = address;
  };
</script></head><body><iframe id="sco" src="about:blank" style="width:100%;height:90vh"></iframe></body></html>`;

const Types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.png': 'image/png',
  '.svg': 'image/svg+xml' };

function serve(here, unpacked) {
  const scripts = {
    '/scorm12.js': path.join(here, 'node_modules/scorm-again/dist/scorm12.js'),
    '/scorm2004.js': path.join(here, 'node_modules/scorm-again/dist/scorm2004.js'),
    '/strict12.js': path.join(here, 'strict-scorm12.js'),
  };
  return http.createServer((request, response) => {
    const url = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (url === '/') return response.end(harnessPage);
    if (scripts[url]) return response.end(fs.readFileSync(scripts[url]));
    const file = path.resolve(unpacked, '.' + url.replace(/^\/package/, ''));
    if (!url.startsWith('/package/') || !file.startsWith(unpacked + path.sep) || !fs.existsSync(file)) {
      response.statusCode = 404;
      return response.end();
    }
    response.setHeader('Content-Type', Types[path.extname(file)] || 'application/octet-stream');
    response.end(fs.readFileSync(file));
  });
}

// The items of the manifest with the launch address of each: href and parameters.
function items(manifest) {
  const hrefs = new Map([...manifest.matchAll(/<resource identifier="([^"]*)"[^>]*scorm[tT]ype="sco" href="([^"]*)"/g)]
    .map((m) => [m[1], m[2]]));
  return [...manifest.matchAll(/<item identifier="[^"]*" identifierref="([^"]*)"(?: parameters="([^"]*)")?>/g)]
    .map((m) => ({ href: hrefs.get(m[1]), parameters: (m[2] || '').replace(/&amp;/g, '&') }));
}

export async function launchAsLms(browser, here, unpacked, runtime) {
  const failures = [];
  const fail = (what) => failures.push(what);
  const edition = runtime === 'again2004' ? '2004' : '1.2';
  const n = Names[edition];
  const server = serve(here, unpacked);
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const lms = await browser.newPage();
  lms.on('pageerror', (error) => fail(`script error: ${error.message}`));
  lms.on('requestfailed', (request) => { if (!request.url().startsWith('about:')) fail(`failed: ${request.url()}`); });
  await lms.goto(`http://127.0.0.1:${server.address().port}/`, { waitUntil: 'load' });
  const manifest = fs.readFileSync(path.join(unpacked, 'imsmanifest.xml'), 'utf8');
  const waitFor = async (condition, what, seconds = 30) => {
    for (const end = Date.now() + seconds * 1000; Date.now() < end;) {
      if (await condition().catch(() => false)) return true;
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
    fail(what);
    return false;
  };
  const launcher = async () => (await lms.$('#sco')).contentFrame();
  const screen = async () => (await (await launcher()).$('#screen')).contentFrame();
  const shownPage = async () => (await screen()).evaluate(() => document.body && document.body.getAttribute('data-page'));
  const calls = () => lms.evaluate(() => window.calls.map((c) => c.slice(0, -1)));
  const lastSet = async (element) => {
    const found = (await calls()).filter((c) => c[0] === n.set && c[1] === element && c[3] === 'true');
    return found.length ? found[found.length - 1][2] : undefined;
  };
  // Visits screens: the sample's through its launcher (the side list's links, which open
  // in the frame); a big course's as its pages announce themselves, the last one opened.
  const visit = async (pages, big) => {
    if (big) {
      const frame = await screen();
      await frame.evaluate((list) => { for (const page of list.slice(0, -1)) window.parent.postMessage({ lumoraPage: page }, '*'); }, pages);
    }
    for (const page of big ? pages.slice(-1) : pages) {
      const frame = await launcher();
      if (!big) {
        if (await frame.$eval('#toc', (toc) => toc.hidden)) await frame.click('#toc-toggle');
        await frame.click(`#toc a[href="${page}"]`);
      } else {
        await frame.evaluate((p) => { document.getElementById('screen').src = p; }, page);
      }
      await waitFor(async () => (await shownPage()) === page, `the screen ${page} opens`);
      await waitFor(async () => (await lastSet(n.location)) === page, `the location is stored for ${page}`);
    }
  };
  const close = async (what) => {
    await lms.evaluate(() => { document.getElementById('sco').src = 'about:blank'; });
    await waitFor(async () => (await calls()).some((c) => c[0] === n.finish), `${what}: the session finishes on closing`);
    const all = await calls();
    const refused = all.filter((c) => (c[0] === n.set || c[0] === n.init || c[0] === n.commit || c[0] === n.finish) && c[c.length - 1] !== 'true');
    if (refused.length) fail(`${what}: calls refused: ${JSON.stringify(refused.slice(0, 3))}`);
    const faults = await lms.evaluate(() => window.runtime.faults || []);
    if (faults.length) fail(`${what}: the run-time rejected: ${faults.slice(0, 3)}`);
    if (all[all.length - 1][0] !== n.finish) fail(`${what}: finish is the last call`);
    const time = await lastSet(n.time);
    if (!time || !n.timeFormat.test(time)) fail(`${what}: the session time is set (${time})`);
    return { location: await lastSet(n.location), status: await lastSet(n.status), exit: await lastSet(n.exit),
      suspendData: (await lastSet('cmi.suspend_data')) || '' };
  };

  let firstScreenMs;
  for (const item of items(manifest)) {
    const address = '/package/' + item.href + item.parameters;
    // 1. The first launch: the top screen; half the screens; close.
    await lms.evaluate((r, a) => window.launch(r, a, null), runtime, address);
    await waitFor(async () => (await launcher()).evaluate(() => !!window.lumoraCourse), 'the launcher loads');
    const pages = await (await launcher()).evaluate(() => window.lumoraCourse.pages);
    const big = pages.length > 1000;
    await waitFor(async () => (await shownPage()) === pages[0], `${item.href}: the first launch shows the top screen`, 60);
    if (firstScreenMs === undefined) {
      firstScreenMs = await lms.evaluate(() => window.calls.find((c) => /SetValue$/.test(c[0]) && /location$/.test(c[1]))[4] - window.launchedAt)
        .catch(() => undefined);
    }
    const half = Math.ceil(pages.length / 2);
    await visit(pages.slice(1, half), big);
    const first = await close(`${item.href}, first launch`);
    if (first.status !== 'incomplete') fail(`${item.href}: "incomplete" after half the screens (${first.status})`);
    if (first.exit !== 'suspend') fail(`${item.href}: exit "suspend" while incomplete (${first.exit})`);
    if (first.location !== pages[half - 1]) fail(`${item.href}: the stored screen is the last one shown (${first.location})`);
    const limit = edition === '1.2' ? 4096 : 64000;
    if (first.suspendData.length > limit) fail(`${item.href}: suspend data within ${limit} characters`);

    // 2. The relaunch with the stored data: the stored screen; the rest; "completed".
    await lms.evaluate((r, a, s) => window.launch(r, a, s), runtime, address, first);
    await waitFor(async () => (await shownPage()) === pages[half - 1], `${item.href}: the relaunch resumes at ${pages[half - 1]}`, 60);
    const before = await lastSet(n.status);
    if (before !== 'incomplete') fail(`${item.href}: still "incomplete" on resuming (${before})`);
    await visit(pages.slice(half), big);
    await waitFor(async () => (await lastSet(n.status)) === 'completed', `${item.href}: "completed" after every screen`);
    const second = await close(`${item.href}, relaunch`);
    if (second.exit !== '') fail(`${item.href}: exit "" once completed (${second.exit})`);
  }
  await lms.close();
  server.close();
  return { failures, firstScreenMs };
}
