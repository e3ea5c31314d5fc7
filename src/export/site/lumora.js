// The exported course's one script. The pages work without it; it adds:
//  - the course search on search.html, over window.lumoraIndex (search-index.js), with
//    the player's rules: letter case and diacritics ignored, "…" for a phrase, every
//    term must occur; screens whose caption holds every term come first; each result
//    shows the text around the first match with the searched words marked;
//  - in a SCORM 1.2 or 2004 package, the launcher of each course (one SCO a course):
//    it finds the LMS's API in its parent frames (or its opener), shows the screens in
//    its frame beside the course's table of contents, stores the screen shown as the
//    location and the screens visited as the suspend data, reports "incomplete" and
//    "completed" once every screen has been visited, commits after each screen and on
//    leaving sets the session time and the exit ("suspend" while incomplete) and
//    finishes. A resumed attempt opens at the stored screen, a new one at the top.
//    Without an LMS it makes no calls;
//  - on each screen, a note to the launcher around it of which screen is shown.
(function () {
  'use strict';

  function fold(text) {
    return text.normalize('NFD').replace(/\p{M}+/gu, '').toLowerCase()
      .replace(/[\s\u0000-\u001f\u007f]+/g, ' ').trim();
  }

  function isQuote(c) {
    return c === '"' || c === '\u201E' || c === '\u201C' || c === '\u201D';
  }

  function parseQuery(input) {
    var terms = [];
    function add(raw) {
      var term = fold(raw);
      if (term && terms.indexOf(term) < 0) terms.push(term);
    }
    var i = 0;
    var n = input.length;
    while (i < n) {
      var end;
      if (isQuote(input[i])) {
        end = i + 1;
        while (end < n && !isQuote(input[end])) end++;
        add(input.slice(i + 1, end));
        i = end + 1;
      } else if (/\s/.test(input[i])) {
        i++;
      } else {
        end = i;
        while (end < n && !/\s/.test(input[end]) && !isQuote(input[end])) end++;
        add(input.slice(i, end));
        i = end;
      }
    }
    return terms;
  }

  function runSearch(list) {
    var query = new URLSearchParams(window.location.search).get('q') || '';
    document.querySelectorAll('form.search input[name=q]').forEach(function (field) { field.value = query; });
    var terms = parseQuery(query);
    var summary = document.getElementById('summary');
    if (!terms.length) return;
    var byCaption = [];
    var byText = [];
    (window.lumoraIndex || []).forEach(function (entry) {
      var caption = true;
      var all = true;
      terms.forEach(function (term) {
        if (entry.c.indexOf(term) >= 0) return;
        caption = false;
        if (entry.b.indexOf(term) < 0) all = false;
      });
      if (caption) byCaption.push(entry);
      else if (all) byText.push(entry);
    });
    var found = byCaption.concat(byText);
    summary.textContent = found.length ? summary.getAttribute('data-found') : summary.getAttribute('data-none');
    found.forEach(function (entry) {
      var item = document.createElement('li');
      var link = document.createElement('a');
      link.href = entry.u;
      link.textContent = entry.t;
      item.appendChild(link);
      var context = snippet(entry.x || '', terms);
      if (context) {
        var line = document.createElement('p');
        var at = context.from;
        context.marks.forEach(function (mark) {
          line.appendChild(document.createTextNode(context.text.slice(at, mark[0])));
          var marked = document.createElement('mark');
          marked.textContent = context.text.slice(mark[0], mark[1]);
          line.appendChild(marked);
          at = mark[1];
        });
        line.appendChild(document.createTextNode(context.text.slice(at, context.to)));
        if (context.from > 0) line.insertBefore(document.createTextNode('… '), line.firstChild);
        if (context.to < context.text.length) line.appendChild(document.createTextNode(' …'));
        item.appendChild(line);
      }
      list.appendChild(item);
    });
  }

  // The text around the first place a term occurs, with every occurrence of the terms
  // in it marked: {text, from, to, marks: [[start, end], …]} in the text's positions,
  // or null when no term occurs in the text.
  function snippet(text, terms) {
    var folded = '';
    var at = [];
    for (var i = 0; i < text.length; i++) {
      var c = text[i];
      var f = c < '\u0080' ? c.toLowerCase() : fold(c) || (/\s/.test(c) ? ' ' : '');
      for (var k = 0; k < f.length; k++) {
        folded += f[k];
        at.push(i);
      }
    }
    at.push(text.length);
    var first = -1;
    terms.forEach(function (term) {
      var p = folded.indexOf(term);
      if (p >= 0 && (first < 0 || p < first)) first = p;
    });
    if (first < 0) return null;
    var from = Math.max(0, at[first] - 60);
    var to = Math.min(text.length, at[first] + 160);
    while (from > 0 && !/\s/.test(text[from - 1])) from--;
    var marks = [];
    terms.forEach(function (term) {
      for (var p = folded.indexOf(term, first); p >= 0 && at[p] < to; p = folded.indexOf(term, p + term.length)) {
        if (at[p] >= from) marks.push([at[p], Math.min(at[p + term.length], to)]);
      }
    });
    marks.sort(function (a, b) { return a[0] - b[0]; });
    var merged = [];
    marks.forEach(function (mark) {
      var last = merged[merged.length - 1];
      if (last && mark[0] <= last[1]) last[1] = Math.max(last[1], mark[1]);
      else merged.push(mark.slice());
    });
    return { text: text, from: from, to: to, marks: merged };
  }

  // ---- The launcher of a SCORM package (scorm.html, one per course) ----

  // Base-64 digits of the visited set's bit form, six screens a digit.
  var Digits = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_';

  // The visited screens as runs of screen numbers ("R" then "first-last" or "n" in
  // base 36, joined by "."), or as bits ("B" then six screens a digit), whichever is
  // shorter. Bits keep any set of up to 24,570 screens within 4,096 characters; when
  // even the shorter form is over the limit, the runs are cut at the limit: screens
  // left out count as unvisited again, no unvisited screen counts as visited.
  function encodeVisits(visited, limit) {
    var runs = [];
    for (var i = 0; i < visited.length; i++) {
      if (!visited[i]) continue;
      var end = i;
      while (end + 1 < visited.length && visited[end + 1]) end++;
      runs.push(end === i ? i.toString(36) : i.toString(36) + '-' + end.toString(36));
      i = end;
    }
    var ranges = 'R' + runs.join('.');
    var bits = 'B';
    for (var b = 0; b < visited.length; b += 6) {
      var digit = 0;
      for (var k = 0; k < 6; k++) if (visited[b + k]) digit |= 1 << k;
      bits += Digits[digit];
    }
    bits = bits.replace(/A+$/, '');
    var best = ranges.length <= bits.length ? ranges : bits;
    if (best.length <= limit) return best;
    var cut = ranges.lastIndexOf('.', limit);
    return cut > 0 ? ranges.slice(0, cut) : 'R';
  }

  // Marks the screens the stored text names; text of another form changes nothing.
  function decodeVisits(text, visited) {
    var n = visited.length;
    if (/^R([0-9a-z]+(-[0-9a-z]+)?(\.[0-9a-z]+(-[0-9a-z]+)?)*)?$/.test(text)) {
      text.slice(1).split('.').forEach(function (run) {
        if (!run) return;
        var ends = run.split('-');
        var first = parseInt(ends[0], 36);
        var last = Math.min(ends.length > 1 ? parseInt(ends[1], 36) : first, n - 1);
        for (var i = first; i <= last; i++) visited[i] = true;
      });
    } else if (/^B[A-Za-z0-9_-]*$/.test(text)) {
      for (var d = 1; d < text.length; d++) {
        var digit = Digits.indexOf(text[d]);
        for (var k = 0; k < 6; k++) if (digit & (1 << k) && (d - 1) * 6 + k < n) visited[(d - 1) * 6 + k] = true;
      }
    }
  }

  // The status once the visited set is known: a finished course stays finished, else
  // "completed" once every screen has been visited, "incomplete" before.
  function statusAfter(status, visited, done) {
    if (done.indexOf(status) >= 0) return status;
    return visited.every(Boolean) ? 'completed' : 'incomplete';
  }

  // A duration in SCORM 1.2's CMITimespan (HHHH:MM:SS.SS) or as an ISO 8601 duration
  // (PT1H2M3.45S) for SCORM 2004.
  function timespan(ms, iso) {
    var cs = Math.max(0, Math.round(ms / 10));
    var hours = Math.min(Math.floor(cs / 360000), 9999);
    var minutes = Math.floor(cs / 6000) % 60;
    var seconds = ((cs % 6000) / 100).toFixed(2);
    if (iso) return 'PT' + hours + 'H' + minutes + 'M' + seconds + 'S';
    var two = function (v) { return (v < 10 ? '0' : '') + v; };
    return two(hours) + ':' + two(minutes) + ':' + (cs % 6000 < 1000 ? '0' : '') + seconds;
  }

  // The screen stored as the location: its page name, or its number when the name is
  // longer than the field allows.
  function locationOf(pages, index, limit) {
    return pages[index].length <= limit ? pages[index] : String(index);
  }

  function indexOfLocation(position, pages, location) {
    if (position.has(location)) return position.get(location);
    if (/^[0-9]{1,9}$/.test(location) && Number(location) < pages.length) return Number(location);
    return -1;
  }

  // The data model names and limits of the two run-times.
  var Models = {
    '1.2': {
      api: 'API', init: 'LMSInitialize', get: 'LMSGetValue', set: 'LMSSetValue', commit: 'LMSCommit',
      finish: 'LMSFinish', location: 'cmi.core.lesson_location', status: 'cmi.core.lesson_status',
      entry: 'cmi.core.entry', exit: 'cmi.core.exit', time: 'cmi.core.session_time', dataLimit: 4096,
      locationLimit: 255, done: ['completed', 'passed'], iso: false,
    },
    '2004': {
      api: 'API_1484_11', init: 'Initialize', get: 'GetValue', set: 'SetValue', commit: 'Commit',
      finish: 'Terminate', location: 'cmi.location', status: 'cmi.completion_status', entry: 'cmi.entry',
      exit: 'cmi.exit', time: 'cmi.session_time', dataLimit: 64000, locationLimit: 1000,
      done: ['completed'], iso: true,
    },
  };

  function findApi(start, name) {
    var win = start;
    for (var depth = 0; win && depth < 16; depth++) {
      try {
        if (win[name]) return win[name];
      } catch (e) {
        // a frame of another origin: look further up
      }
      if (!win.parent || win.parent === win) break;
      win = win.parent;
    }
    return null;
  }

  function runLauncher(course) {
    var model = Models[course.version] || Models['1.2'];
    var pages = course.pages;
    var frame = document.getElementById('screen');
    var api = findApi(window, model.api) || (window.opener ? findApi(window.opener, model.api) : null);
    var position = new Map();
    var visited = pages.map(function (page, i) { position.set(page, i); return false; });
    var status = '';
    var open = false;
    var began = Date.now();
    var start = 0;
    function get(name) { return String(api[model.get](name) || ''); }
    function set(name, value) { return String(api[model.set](name, value)) === 'true'; }
    if (api && String(api[model.init]('')) === 'true') {
      open = true;
      status = get(model.status);
      decodeVisits(get('cmi.suspend_data'), visited);
      // Only a resumed attempt continues where the learner left; a new one starts at the top.
      var stored = indexOfLocation(position, pages, get(model.location));
      if (get(model.entry) === 'resume' && stored >= 0) start = stored;
      status = statusAfter(status, visited, model.done);
      set(model.status, status);
    }
    frame.src = pages[start];

    var shown = null;
    function mark(page) {
      if (shown) shown.removeAttribute('aria-current');
      shown = document.querySelector('#toc a[href="' + page.replace(/["\\]/g, '\\$&') + '"]');
      if (shown) shown.setAttribute('aria-current', 'page');
    }

    window.addEventListener('message', function (event) {
      if (event.source !== frame.contentWindow || !event.data || typeof event.data.lumoraPage !== 'string') return;
      var index = position.has(event.data.lumoraPage) ? position.get(event.data.lumoraPage) : -1;
      if (index < 0) return;
      visited[index] = true;
      mark(pages[index]);
      if (!open) return;
      set(model.location, locationOf(pages, index, model.locationLimit));
      set('cmi.suspend_data', encodeVisits(visited, model.dataLimit));
      var next = statusAfter(status, visited, model.done);
      if (next !== status) {
        status = next;
        set(model.status, status);
      }
      api[model.commit]('');
    });

    // The side list of the course's screens: a button opens and closes it, Escape
    // closes it and returns to the button.
    var toggle = document.getElementById('toc-toggle');
    var toc = document.getElementById('toc');
    if (toggle && toc) {
      var show = function (on) {
        toc.hidden = !on;
        toggle.setAttribute('aria-expanded', on ? 'true' : 'false');
      };
      toggle.addEventListener('click', function () { show(toc.hidden); });
      toc.addEventListener('keydown', function (event) {
        if (event.key !== 'Escape') return;
        show(false);
        toggle.focus();
      });
    }

    function finish() {
      if (!open) return;
      open = false;
      set(model.time, timespan(Date.now() - began, model.iso));
      set(model.exit, model.done.indexOf(status) >= 0 ? '' : 'suspend');
      api[model.commit]('');
      api[model.finish]('');
    }
    window.addEventListener('pagehide', finish);
    window.addEventListener('beforeunload', finish);
  }

  var exported = { encodeVisits: encodeVisits, decodeVisits: decodeVisits, statusAfter: statusAfter,
    timespan: timespan, locationOf: locationOf, indexOfLocation: indexOfLocation, parseQuery: parseQuery,
    fold: fold, snippet: snippet, Models: Models };
  if (typeof document === 'undefined') {
    // Under Node.js, for the tests of the launcher's rules.
    if (typeof module === 'object' && module.exports) module.exports = exported;
    return;
  }

  var results = document.getElementById('results');
  if (results) runSearch(results);
  if (window.lumoraCourse) {
    runLauncher(window.lumoraCourse);
  } else if (window.parent !== window && document.body) {
    var page = document.body.getAttribute('data-page');
    if (page) window.parent.postMessage({ lumoraPage: page }, '*');
  }
}());

// The learner's progress when the site is opened on its own (no LMS, no launcher around
// it): the screens shown and the files and addresses opened, kept in the browser's
// storage under the site's address, so each site keeps its own. Links to what was visited
// carry a tick and say "navštívené" to screen readers; on the contents page each course
// opened shows "Navštívené obrazovky: 12 / 40" with a thin bar. In an LMS the SCORM data
// is the one record and nothing is stored here.
(function () {
  'use strict';
  if (typeof window === 'undefined' || window.lumoraPages || window.parent !== window || !document.body) return;
  var page = document.body.getAttribute('data-page');
  if (!page) return;
  var store = null;
  try {
    store = window.localStorage;
    store.getItem('lumora');
  } catch (e) {
    return; // storage refused (private mode, a file page the browser keeps apart)
  }
  var base = window.location.href.replace(/[?#].*$/, '').replace(/[^/]*$/, '');
  var key = 'lumora-visited:' + base;
  var word = document.body.getAttribute('data-visited') || 'navštívené';

  // What a link leads to: a file of the site named relative to it, or a web address.
  function targetOf(link) {
    var href = link.href ? String(link.href).replace(/#.*$/, '') : '';
    if (href.indexOf(base) === 0) return href.slice(base.length).replace(/\?.*$/, '') || null;
    return /^https?:/i.test(href) ? href : null;
  }
  // The entries stored now; anything that is not a list of texts reads as none.
  function load() {
    try {
      var list = JSON.parse(store.getItem(key) || '[]');
      return Array.isArray(list) ? list.filter(function (e) { return typeof e === 'string'; }) : [];
    } catch (e) {
      return [];
    }
  }
  // Adds an entry to what is stored now (another tab may have added its own meanwhile).
  function record(entry) {
    var list = load();
    if (list.indexOf(entry) < 0) {
      list.push(entry);
      try { store.setItem(key, JSON.stringify(list)); } catch (e) { /* storage full: not kept */ }
    }
    return list;
  }
  function mark(link) {
    if (link.classList.contains('visited')) return;
    link.classList.add('visited');
    var tick = document.createElement('span');
    tick.setAttribute('aria-hidden', 'true');
    tick.textContent = ' \u2713';
    tick.style.fontWeight = 'bold';
    var said = document.createElement('span');
    said.textContent = ' (' + word + ')';
    said.style.cssText = 'position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0);white-space:nowrap';
    link.appendChild(tick);
    link.appendChild(said);
  }

  var visited = record(page);
  var links = Array.prototype.slice.call(document.querySelectorAll('main a[href]'));
  links.forEach(function (link) {
    var target = targetOf(link);
    if (!target) return;
    if (visited.indexOf(target) >= 0) mark(link);
    // Pictures, documents and web pages open outside the site's pages: visited when opened.
    if (!/\.html$/i.test(target) || /^https?:/i.test(target)) {
      link.addEventListener('click', function () { record(target); mark(link); });
    }
  });

  // On the contents page, each course of the site (a top entry of its contents) shows
  // how many of its screens were visited; a course none of whose screens was visited
  // shows nothing.
  if (page !== 'index.html') return;
  var courses = document.querySelectorAll('nav.contents > ul > li');
  Array.prototype.forEach.call(courses, function (course) {
    var screens = [];
    course.querySelectorAll('a[href]').forEach(function (link) {
      var target = targetOf(link);
      if (target && /\.html$/i.test(target) && !/^https?:/i.test(target) && screens.indexOf(target) < 0) screens.push(target);
    });
    var done = screens.filter(function (s) { return visited.indexOf(s) >= 0; }).length;
    var first = course.querySelector('a[href]');
    if (!done || !first) return;
    var summary = document.createElement('span');
    summary.className = 'progress';
    summary.textContent = ' \u2013 ' + (document.body.getAttribute('data-progress') || 'Navštívené obrazovky:') + ' ' +
      done + ' / ' + screens.length + ' ';
    var bar = document.createElement('progress');
    bar.max = screens.length;
    bar.value = done;
    bar.setAttribute('aria-hidden', 'true');
    bar.style.height = '0.4em';
    summary.appendChild(bar);
    first.parentNode.insertBefore(summary, first.nextSibling);
  });
}());
