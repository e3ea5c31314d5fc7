// The launcher's rules under Node.js, row by row: the visited set in the suspend data
// (within the run-time's limit for any course size, never claiming an unvisited
// screen), the completion rule, the session time in both formats, the stored location
// (page names such as "constructor" are names like any other), and the search results'
// context with the searched words marked.
//
//   node launcher-rules.cjs path/to/lumora.js
'use strict';
const rules = require(require('path').resolve(process.argv[2]));
let failures = 0;
function check(ok, what) {
  if (!ok) {
    failures++;
    console.log(`FAIL: ${what}`);
  }
}

// Visited sets: [name, size, which screens are visited].
const sets = [
  ['none', 25, () => false],
  ['all', 25, () => true],
  ['one run', 100, (i) => i >= 10 && i < 60],
  ['every other', 25, (i) => i % 2 === 0],
  ['scattered', 1111, (i) => (i * 7919) % 13 < 4],
  ['17,000 in half', 17000, (i) => i < 8500],
  ['17,000 every other', 17000, (i) => i % 2 === 1],
  ['17,000 every third', 17000, (i) => i % 3 === 0],
  ['30,000 every other', 30000, (i) => i % 2 === 0],
];
for (const [name, size, visitedAt] of sets) {
  const visited = Array.from({ length: size }, (_, i) => visitedAt(i));
  for (const limit of [4096, 64000]) {
    const text = rules.encodeVisits(visited, limit);
    check(text.length <= limit, `${name}: ${text.length} characters within ${limit}`);
    const back = new Array(size).fill(false);
    rules.decodeVisits(text, back);
    check(back.every((v, i) => !v || visited[i]), `${name} (${limit}): no unvisited screen comes back visited`);
    // Every set of up to 24,570 screens fits 4,096 characters whole.
    if (size <= 24570 || limit === 64000)
      check(back.every((v, i) => v === visited[i]), `${name} (${limit}): the visited set comes back whole`);
  }
}
// Stored text of another form, or damaged, marks nothing.
for (const text of ['', 'R', 'B', 'R1-', 'Rz.', 'B!!', 'constructor', '__proto__', '0f0f', 'R-1']) {
  const back = new Array(40).fill(false);
  rules.decodeVisits(text, back);
  check(back.every((v) => !v), `"${text}" marks no screen`);
}
// Runs reaching past the course's end stop at its last screen.
const short = new Array(5).fill(false);
rules.decodeVisits('R3-zzzzzz', short);
check(short.join() === 'false,false,false,true,true', `a run past the end stops at the last screen (${short})`);

// The completion rule: [status before, visited, finished statuses, status after].
const statuses = [
  ['not attempted', [true, false], ['completed', 'passed'], 'incomplete'],
  ['', [true, true], ['completed', 'passed'], 'completed'],
  ['incomplete', [true, true, true], ['completed', 'passed'], 'completed'],
  ['passed', [false, false], ['completed', 'passed'], 'passed'],
  ['completed', [false], ['completed'], 'completed'],
  ['unknown', [false, true], ['completed'], 'incomplete'],
  ['failed', [true, false], ['completed', 'passed'], 'incomplete'],
];
for (const [before, visited, done, after] of statuses)
  check(rules.statusAfter(before, visited, done) === after, `"${before}" with ${visited} gives "${after}"`);

// Session times: [milliseconds, SCORM 1.2, SCORM 2004].
const times = [
  [0, '00:00:00.00', 'PT0H0M0.00S'],
  [5000, '00:00:05.00', 'PT0H0M5.00S'],
  [3723456, '01:02:03.46', 'PT1H2M3.46S'],
  [59999, '00:01:00.00', 'PT0H1M0.00S'],
  [100 * 3600000 + 9, '100:00:00.01', 'PT100H0M0.01S'],
  [20000 * 3600000, '9999:00:00.00', 'PT9999H0M0.00S'],
  [-50, '00:00:00.00', 'PT0H0M0.00S'],
];
for (const [ms, v12, v2004] of times) {
  check(rules.timespan(ms, false) === v12, `${ms} ms as CMITimespan: ${rules.timespan(ms, false)}, not ${v12}`);
  check(rules.timespan(ms, true) === v2004, `${ms} ms as ISO 8601: ${rules.timespan(ms, true)}, not ${v2004}`);
  check(/^[0-9]{2,4}:[0-5][0-9]:[0-5][0-9]\.[0-9]{2}$/.test(rules.timespan(ms, false)), `${ms} ms is a CMITimespan`);
}

// Locations: page names like any other, long names as the screen's number.
const long = 'a'.repeat(300) + '.html';
const pages = ['obsah.html', 'constructor', '__proto__', 'toString', 'hasOwnProperty', long];
const position = new Map(pages.map((p, i) => [p, i]));
const locations = [
  ['obsah.html', 0], ['constructor', 1], ['__proto__', 2], ['toString', 3], ['hasOwnProperty', 4],
  ['5', 5], ['6', -1], ['valueOf', -1], ['', -1], ['-1', -1], ['1e3', -1],
];
for (const [location, index] of locations)
  check(rules.indexOfLocation(position, pages, location) === index, `the location "${location}" is screen ${index}`);
for (let i = 0; i < pages.length; i++) {
  const stored = rules.locationOf(pages, i, 255);
  check(stored.length <= 255, `the location of screen ${i} fits 255 characters`);
  check(rules.indexOfLocation(position, pages, stored) === i, `the location of screen ${i} leads back to it`);
}

// The search's context: [text, terms, the marked words, whether it starts with the text].
const contexts = [
  ['Toto je Číslo a ďalšie číslo v texte.', ['cislo'], ['Číslo', 'číslo'], true],
  ['Vybrané slová po M: my, mydlo.', ['vybrane slova'], ['Vybrané slová'], true],
  ['x '.repeat(200) + 'Kružnica a kruh.', ['kruh', 'kruznica'], ['Kružnica', 'kruh'], false],
  ['Nič také.', ['cislo'], null, true],
];
for (const [text, terms, marked, atStart] of contexts) {
  const found = rules.snippet(text, terms);
  const words = found && found.marks.map(([from, to]) => found.text.slice(from, to));
  check(JSON.stringify(words) === JSON.stringify(marked), `${terms} in "${text.slice(-30)}" marks ${marked}, not ${words}`);
  if (found) check((found.from === 0) === atStart && found.to - found.from <= 240, `${terms}: the context's bounds`);
}

if (failures) {
  console.log(`${failures} check(s) failed`);
  process.exit(1);
}
console.log('All launcher rules hold.');
