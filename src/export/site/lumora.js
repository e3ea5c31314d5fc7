// The exported course's one script. The pages work without it; it adds:
//  - the course search on search.html, over window.lumoraIndex (search-index.js), with
//    the player's rules: letter case and diacritics ignored, "…" for a phrase, every
//    term must occur; screens whose caption holds every term come first;
//  - in a SCORM package, the launcher (scorm.html): it finds the LMS's API in its
//    parent frames (or its opener), shows the screens in its frame, stores the screen
//    shown as cmi.core.lesson_location, the screens visited in cmi.suspend_data, sets
//    cmi.core.lesson_status to "incomplete" and to "completed" once every screen has
//    been visited, commits after each screen and finishes on leaving. Without an LMS
//    it makes no calls;
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
      list.appendChild(item);
    });
  }

  function findApi(start) {
    var win = start;
    for (var depth = 0; win && depth < 16; depth++) {
      try {
        if (win.API) return win.API;
      } catch (e) {
        // a frame of another origin: look further up
      }
      if (!win.parent || win.parent === win) break;
      win = win.parent;
    }
    return null;
  }

  // Visited screens as hexadecimal digits, four screens a digit.
  function encodeVisits(visited) {
    var out = '';
    for (var i = 0; i < visited.length; i += 4) {
      var digit = 0;
      for (var k = 0; k < 4; k++) if (visited[i + k]) digit |= 1 << k;
      out += digit.toString(16);
    }
    return out;
  }

  function decodeVisits(text, visited) {
    if (!/^[0-9a-f]*$/.test(text)) return;
    for (var i = 0; i < text.length; i++) {
      var digit = parseInt(text[i], 16);
      for (var k = 0; k < 4; k++) if (digit & (1 << k) && i * 4 + k < visited.length) visited[i * 4 + k] = true;
    }
  }

  function runLauncher(pages) {
    var frame = document.getElementById('screen');
    var api = findApi(window) || (window.opener ? findApi(window.opener) : null);
    var position = {};
    var visited = pages.map(function (page, i) { position[page] = i; return false; });
    var status = '';
    var open = false;
    var start = new URLSearchParams(window.location.search).get('page');
    if (api && String(api.LMSInitialize('')) === 'true') {
      open = true;
      status = String(api.LMSGetValue('cmi.core.lesson_status'));
      decodeVisits(String(api.LMSGetValue('cmi.suspend_data') || ''), visited);
      var location = String(api.LMSGetValue('cmi.core.lesson_location') || '');
      if (!(start in position) && location in position) start = location;
      if (status !== 'completed' && status !== 'passed') {
        status = 'incomplete';
        api.LMSSetValue('cmi.core.lesson_status', status);
      }
    }
    if (!(start in position)) start = pages[0];
    frame.src = start;

    window.addEventListener('message', function (event) {
      if (event.source !== frame.contentWindow || !event.data || typeof event.data.lumoraPage !== 'string') return;
      var page = event.data.lumoraPage;
      if (!(page in position)) return;
      visited[position[page]] = true;
      if (!open) return;
      api.LMSSetValue('cmi.core.lesson_location', page);
      var visits = encodeVisits(visited);
      if (visits.length <= 4096) api.LMSSetValue('cmi.suspend_data', visits);
      if (status === 'incomplete' && visited.every(Boolean)) {
        status = 'completed';
        api.LMSSetValue('cmi.core.lesson_status', status);
      }
      api.LMSCommit('');
    });

    function finish() {
      if (!open) return;
      open = false;
      api.LMSCommit('');
      api.LMSFinish('');
    }
    window.addEventListener('pagehide', finish);
    window.addEventListener('beforeunload', finish);
  }

  var results = document.getElementById('results');
  if (results) runSearch(results);
  if (window.lumoraPages) {
    runLauncher(window.lumoraPages);
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
  if (window.lumoraPages || window.parent !== window || !document.body) return;
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
