'use strict';
// The page's own script: it moves texts between the fields and the
// calculation core (mervane-core.js, the desktop's C++ core compiled to
// WebAssembly), opens and closes the windows, and computes nothing itself.
(function () {
  function byId(id) { return document.getElementById(id); }
  // A control of a window by its design name: some names stand in two windows.
  function control(windowId, name) { return byId(windowId).querySelector('[data-name="' + name + '"]'); }

  // The browser's language as Intl takes it, or undefined, for the default
  // locale, where Intl refuses it: WebKit under the POSIX locale reports "C".
  function language() {
    try {
      return Intl.getCanonicalLocales(navigator.language)[0];
    } catch (e) {
      return undefined;
    }
  }

  // The decimal separator of the browser's language, as the desktop edition
  // takes its locale's.
  function decimalSeparator() {
    const part = new Intl.NumberFormat(language()).formatToParts(1.5).find((p) => p.type === 'decimal');
    return part ? part.value : '.';
  }

  // Shows the start of a filled box's text, as a printed form would.
  function showText(box, text) {
    box.value = text;
    box.setSelectionRange(0, 0);
    box.scrollLeft = 0;
  }

  // The message box: the text, an OK button, the title "Mervane"; modal over
  // whatever window is open.
  function showMessage(text) {
    const box = byId('msgbox');
    byId('msgbox-text').textContent = text;
    return new Promise((resolve) => {
      box.addEventListener('close', () => resolve(), { once: true });
      box.showModal();
      byId('msgbox-ok').focus();
    });
  }

  function openWindows() { return Array.from(document.querySelectorAll('dialog[open]')); }

  function start(core) {
    byId('frmMain').inert = false;
    const separator = decimalSeparator();

    // The keystroke rule of the number boxes, from the core: a key's
    // characters pass whole or not at all, a composed text's one by one, the
    // language's decimal key types a point, and a box whose value may be
    // negative takes a minus first. A paste is not filtered, as on the desktop.
    function insert(box, text) {
      box.setRangeText(text, box.selectionStart, box.selectionEnd, 'end');
      box.dispatchEvent(new Event('input', { bubbles: true }));
    }
    function filterTyping(box) {
      const signed = box.hasAttribute('data-signed');
      box.addEventListener('beforeinput', (e) => {
        if (e.inputType !== 'insertText' || e.data === null)
          return;
        const kept = core.typed(e.data, box.value, box.selectionStart, box.selectionEnd, separator, signed);
        if (kept === e.data)
          return;
        e.preventDefault();
        if (kept !== '')
          insert(box, kept);
      });
      let before = null;
      box.addEventListener('compositionstart', () => {
        before = { value: box.value, start: box.selectionStart, end: box.selectionEnd };
      });
      box.addEventListener('compositionend', (e) => {
        if (before === null)
          return;
        const { value, start, end } = before;
        before = null;
        let text = value.slice(0, start) + value.slice(end);
        let at = start;
        for (const c of e.data || '') {
          const kept = core.typed(c, text, at, at, separator, signed);
          text = text.slice(0, at) + kept + text.slice(at);
          at += kept.length;
        }
        box.value = text;
        box.setSelectionRange(at, at);
      });
    }
    document.querySelectorAll('[data-numeric]').forEach(filterTyping);

    // What a command found, for a screen reader, once; a message box speaks for itself.
    function announce(text) {
      const live = byId('announce');
      live.textContent = '';
      requestAnimationFrame(() => { live.textContent = text; });
    }

    const escapes = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };
    const escaped = (text) => text.replace(/[&<>"]/g, (c) => escapes[c]);

    // A grid draws only the rows in sight, between two spacers the height of
    // the others: ten thousand rows of cells would take seconds to lay out.
    // The table says how many rows it has, and each row where it stands. A
    // row shorter than the table ends in a note, which runs across the
    // columns it has no figures for. A grid of few rows stacked on a narrow
    // screen draws them all, each cell under its first, named by its column.
    const gridRows = new Map();
    function drawRows(grid) {
      const { columns, rows } = gridRows.get(grid) || { columns: [], rows: [] };
      const cell = (text, i, row) => {
        const note = i === row.length - 1 && row.length < columns.length;
        return '<td' + (note ? ' colspan="' + (columns.length - i) + '"' : ' data-label="' + escaped(columns[i]) + '"') +
          '>' + escaped(text) + '</td>';
      };
      const stacked = getComputedStyle(grid).getPropertyValue('--stacked').trim() === '1';
      const rowPx = parseFloat(getComputedStyle(grid).getPropertyValue('--row'));
      const first = stacked ? 0 : Math.max(0, Math.floor(grid.scrollTop / rowPx) - 10);
      const last = stacked ? rows.length : Math.min(rows.length, first + Math.ceil(grid.clientHeight / rowPx) + 20);
      const spacer = (n) => (n ? '<tr aria-hidden="true" style="height:' + n * rowPx + 'px"></tr>' : '');
      grid.querySelector('tbody').innerHTML = spacer(first) + rows.slice(first, last).map((row, i) =>
        '<tr aria-rowindex="' + (first + i + 2) + '">' + row.map(cell).join('') +
        '</tr>').join('') + spacer(rows.length - last);
    }
    function showTable(grid, columns, rows) {
      const table = grid.querySelector('table');
      table.setAttribute('aria-rowcount', String(rows.length + 1));
      table.tHead.rows[0].innerHTML = columns.map((c) => '<th scope="col">' + escaped(c) + '</th>').join('');
      gridRows.set(grid, { columns, rows });
      grid.scrollTop = 0;
      drawRows(grid);
    }
    document.querySelectorAll('.grid').forEach((grid) => grid.addEventListener('scroll', () => drawRows(grid)));
    addEventListener('resize', () => document.querySelectorAll('.grid.stacked').forEach(drawRows));

    // Every box of a window as its design has it, and its grid empty.
    const copies = {};
    function reset(windowId) {
      const w = byId(windowId);
      w.querySelectorAll('input, textarea').forEach((box) => {
        if (box.type === 'checkbox')
          box.checked = box.defaultChecked;
        else
          box.value = box.defaultValue;
        box.scrollTop = 0;
      });
      w.querySelectorAll('.grid').forEach((grid) => showTable(grid, [], []));
      copies[windowId] = '';
    }

    // A window's boxes by design name, as they stand; a ticked box reads "1".
    function read(windowId) {
      const boxes = {};
      byId(windowId).querySelectorAll('input[data-name], textarea[data-name]').forEach((box) => {
        boxes[box.dataset.name] = box.type === 'checkbox' ? (box.checked ? '1' : '') : box.value;
      });
      return boxes;
    }

    // What the core gives a window to show: texts into boxes, SVG into drawings, rows into its grid.
    function show(windowId, texts, table) {
      for (const [name, text] of Object.entries(texts)) {
        const c = control(windowId, name);
        if (c.matches('input, textarea'))
          showText(c, text);
        else
          c.innerHTML = text;
      }
      if (table) {
        showTable(byId(windowId).querySelector('.grid'), table.columns, table.rows);
        copies[windowId] = table.tsv;
      }
    }

    // A command runs in slices: a quick one is done at once; through a long
    // one the window says it is working and can still be closed, which drops
    // the run, as another Go replaces it.
    // Past a moment, its strip shows the share done and a Cancel button,
    // which drops the run as closing the window does; the inputs stay.
    const jobs = {};
    function run(windowId) {
      const dialog = byId(windowId);
      const working = byId(windowId + '-working');
      keep(windowId);
      const job = new core.Job(windowId, read(windowId), separator);
      jobs[windowId] = job;
      const began = performance.now();
      const end = () => {
        job.delete();
        if (jobs[windowId] === job)
          delete jobs[windowId];
        if (!jobs[windowId]) {
          dialog.removeAttribute('aria-busy');
          if (working)
            working.hidden = true;
        }
      };
      const slice = () => {
        if (jobs[windowId] !== job)
          return end();
        if (!job.step()) {
          if (working && working.hidden && performance.now() - began > WORKING_AFTER_MS) {
            dialog.setAttribute('aria-busy', 'true');
            working.hidden = false;
            announce(working.firstElementChild.textContent);
          }
          if (working)
            working.querySelector('progress').value = job.share();
          setTimeout(slice, 0);
          return;
        }
        const shown = job.result();
        end();
        show(windowId, shown.texts, shown.table);
        if (shown.message !== null)
          showMessage(shown.message);
        else
          announce(shown.spoken);
      };
      slice();
    }

    const kept = {};
    // The session: every window's kept inputs, as a case, in the tab's own
    // storage, so that a reload keeps them and closing the tab forgets them.
    const SESSION = 'mervane-session';
    function saveSession() {
      try {
        sessionStorage.setItem(SESSION, core.writeCase(kept, separator, new Date().toISOString()));
      } catch (e) {
        // Storage refused (a private window, a full quota): the windows keep their inputs until the tab closes.
      }
    }
    function keep(windowId) {
      if (!('keeps' in byId(windowId).dataset))
        return;
      kept[windowId] = core.kept(windowId, read(windowId));
      saveSession();
    }
    // The tab's last session, or the message that says why it was not read.
    // An unreadable one (written by a newer page, say) is never overwritten:
    // it stays in the tab's storage under a name of its own.
    function restoreSession() {
      let stored = null;
      try {
        stored = sessionStorage.getItem(SESSION);
      } catch (e) {
        return null;
      }
      if (stored === null)
        return null;
      const found = core.readCase(new TextEncoder().encode(stored), separator);
      if (found.windows) {
        Object.assign(kept, found.windows);
        return null;
      }
      const aside = SESSION + '-unreadable';
      try {
        sessionStorage.setItem(aside, stored);
      } catch (e) {
        return 'The last session could not be read, nor kept aside: ' + found.message + ' Mervane starts empty.';
      }
      return 'The last session could not be read: ' + found.message + ' It was kept in this tab\'s storage as ' +
        aside + ', and Mervane starts empty.';
    }

    // A window opens in its design state, with the inputs it kept when it
    // last closed and what it carries from its opener, the focus on its first
    // tab stop and a carried text that a paste is to replace selected.
    function open(windowId, openerId) {
      const dialog = byId(windowId);
      reset(windowId);
      show(windowId, core.opening(windowId), null);
      const opening = core.reopened(windowId, kept[windowId] || {}, read(openerId));
      for (const [name, text] of Object.entries(opening.texts)) {
        const box = control(windowId, name);
        if (box.type === 'checkbox')
          box.checked = text !== '';
        else
          box.value = text;
      }
      dialog.showModal();
      [...dialog.querySelectorAll('[data-name]')].find((c) => c.tabIndex >= 0).focus();
      for (const name of opening.selected)
        control(windowId, name).select();
    }
    // The report: computed as its window opens, from what every window kept,
    // shown as the core writes it, under the header as typed.
    let report = null;
    const reportHeader = () => read('frmReport');
    function showReport() {
      const view = control('frmReport', 'docReport');
      view.innerHTML = report.html(reportHeader());
    }
    function openReport() {
      if (report)
        report.delete();
      report = new core.Report(kept, separator);
      showReport();
      control('frmReport', 'docReport').scrollTop = 0;
    }
    byId('frmReport').querySelectorAll('input[data-name]').forEach((box) => box.addEventListener('input', showReport));
    // Saved as a page of its own, with its picture and styles inside it.
    function saveReport() {
      const view = control('frmReport', 'docReport');
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([report.page(reportHeader())], { type: 'text/html' }));
      link.download = view.dataset.file.replace(/\.[^.]*$/, '') + '.html';
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 0);
    }
    // Pasted as HTML where the browser takes it, tables as tables, and as plain text everywhere.
    function copyReport() {
      const header = reportHeader();
      const text = report.text(header);
      const html = report.page(header);
      if (typeof ClipboardItem === 'function' && navigator.clipboard.write) {
        navigator.clipboard.write([new ClipboardItem({
          'text/html': new Blob([html], { type: 'text/html' }),
          'text/plain': new Blob([text], { type: 'text/plain' }),
        })]).catch(() => navigator.clipboard.writeText(text));
      } else {
        navigator.clipboard.writeText(text);
      }
    }

    // A case as a file: every window's inputs replaced by the file's, or
    // cleared for a new case; the title names the file once saved or opened.
    const reportTitle = byId('frmReport-title').lastChild;
    const caption = reportTitle.textContent;
    function replaceCase(windows, file) {
      for (const id of Object.keys(kept))
        delete kept[id];
      Object.assign(kept, windows);
      const header = kept.frmReport || {};
      byId('frmReport').querySelectorAll('input[data-name]').forEach((box) => { box.value = header[box.dataset.name] || ''; });
      keep('frmReport');
      reportTitle.textContent = file ? caption + ' - ' + file : caption;
      openReport();
    }
    const caseInput = document.createElement('input');
    caseInput.type = 'file';
    caseInput.accept = '.mervane,application/json';
    caseInput.hidden = true;
    byId('frmReport').append(caseInput);
    caseInput.addEventListener('change', async () => {
      const file = caseInput.files[0];
      caseInput.value = '';
      if (!file)
        return;
      // Refused unread beyond the limit, by the core's own reading of the first bytes past it.
      const bytes = new Uint8Array(await file.slice(0, core.caseLimit() + 1).arrayBuffer());
      const found = core.readCase(bytes, separator);
      if (found.message)
        showMessage(found.message);
      else
        replaceCase(found.windows, file.name);
    });
    function saveCase() {
      keep('frmReport');
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([core.writeCase(kept, separator, new Date().toISOString())],
                                               { type: 'application/json' }));
      link.download = 'case.mervane';
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 0);
      reportTitle.textContent = caption + ' - ' + link.download;
    }
    function newCase() {
      if (confirm(core.newCaseQuestion()))
        replaceCase({}, '');
    }

    // Closing drops the run under way: a window opened again at once must
    // not show what the run it left behind gives.
    document.querySelectorAll('dialog.window').forEach((dialog) => dialog.addEventListener('close', () => {
      keep(dialog.id);
      delete jobs[dialog.id];
    }));

    // Copy takes the text of the control its design names: a grid's rows as
    // last shown, none after a refusal.
    function copy(windowId, button) {
      const source = control(windowId, button.dataset.buddy);
      const text = source.matches('.grid') ? copies[windowId] : source.value;
      if (text !== '' || !source.matches('.grid'))
        navigator.clipboard.writeText(text);
    }

    // Save hands the drawing's SVG to the browser as a download.
    function save(windowId, button) {
      const drawing = control(windowId, button.dataset.buddy);
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([drawing.innerHTML], { type: 'image/svg+xml' }));
      link.download = drawing.dataset.file;
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 0);
    }

    function exit() {
      byId('frmMain').hidden = true;
      byId('ended').hidden = false;
    }

    // Every window's buttons from its design: its calculation's command, the
    // controls that open other windows, Copy, Save and Close.
    document.querySelectorAll('.window:not(#msgbox)').forEach((w) => {
      const command = core.command(w.id);
      w.querySelectorAll('button[data-name]').forEach((button) => {
        const name = button.dataset.name;
        let act = null;
        if (name === command)
          act = () => run(w.id);
        else if (button.dataset.opens === 'frmReport')
          act = () => { open('frmReport', w.id); openReport(); };
        else if (button.dataset.opens)
          act = () => open(button.dataset.opens, w.id);
        else if (w.id === 'frmReport')
          act = { cmdPrint: () => window.print(), cmdSaveReport: saveReport, cmdCopy: copyReport,
                  cmdNewCase: newCase, cmdOpenCase: () => caseInput.click(), cmdSaveCase: saveCase,
                  cmdClose: () => w.close() }[name];
        else if (name === 'cmdCopy')
          act = () => copy(w.id, button);
        else if (name === 'cmdSave')
          act = () => save(w.id, button);
        else if (w.id === 'frmMain')
          act = { cmdClear: () => reset('frmMain'), cmdExit: exit }[name];
        else if (name === 'cmdClose' || name === 'cmdExit')
          act = () => w.close();
        else if (name === 'cmdQuenloWebsite')
          act = () => window.open(core.makerAddress(), '_blank', 'noopener,noreferrer');
        if (act)
          button.addEventListener('click', act);
      });
    });
    byId('msgbox-ok').addEventListener('click', () => byId('msgbox').close());
    document.querySelectorAll('.working .cancel').forEach((button) => button.addEventListener('click', () => {
      delete jobs[button.closest('dialog').id];
    }));

    // Escape closes the message box and a window that keeps its inputs, as
    // its Close does; the original windows have no cancel button. The
    // browser's own close request is answered by the keys below alone.
    document.querySelectorAll('dialog.window:not(#msgbox)').forEach((dialog) => {
      dialog.addEventListener('cancel', (e) => e.preventDefault());
    });

    // Tab and Shift+Tab go round the window on top, never out of it.
    function keepFocusIn(top, e) {
      const stops = [...top.querySelectorAll('input, textarea, button, .grid, .viewer')]
        .filter((c) => c.tabIndex >= 0 && !c.disabled && c.checkVisibility());
      if (!stops.length)
        return;
      const [first, last] = [stops[0], stops[stops.length - 1]];
      if (e.shiftKey ? document.activeElement === first || !top.contains(document.activeElement)
                     : document.activeElement === last) {
        e.preventDefault();
        (e.shiftKey ? last : first).focus();
      }
    }

    // Access keys (Alt and the underlined letter) act in the window on top,
    // and the function keys of the main window's openings from it alone.
    document.addEventListener('keydown', (e) => {
      const opened = openWindows();
      const top = opened.length ? opened[opened.length - 1] : byId('frmMain');
      if (e.key === 'Escape' && top.id !== 'msgbox' && opened.length) {
        e.preventDefault();
        if ('keeps' in top.dataset)
          top.close();
        return;
      }
      if (e.key === 'Tab' && opened.length) {
        keepFocusIn(top, e);
        return;
      }
      const main = byId('frmMain');
      const fromMain = /^F[0-9]+$/.test(e.key) && !opened.length && !main.hidden;
      const opener = fromMain && main.querySelector('[aria-keyshortcuts="' + e.key + '"]');
      if (opener) {
        e.preventDefault();
        opener.click();
        return;
      }
      const keyed = fromMain && (main.dataset.keyOpenings || '').split(' ').find((k) => k.startsWith(e.key + '='));
      if (keyed) {
        e.preventDefault();
        open(keyed.slice(e.key.length + 1), 'frmMain');
        return;
      }
      // By the key's place, not its character: Option+G on a Mac types "©".
      const letter = /^(Key|Digit)(.)$/.exec(e.code);
      if (e.altKey && !e.ctrlKey && !e.metaKey && letter && top.id !== 'msgbox') {
        const button = top.querySelector('button[data-key="' + letter[2].toLowerCase() + '"]');
        if (button) {
          e.preventDefault();
          button.click();
        }
      }
    });

    // A click on a window's face, title or captions leaves the focus where it
    // was: on a dialog's control or on OK, never on the dialog itself.
    document.querySelectorAll('.window').forEach((w) => w.addEventListener('mousedown', (e) => {
      if (!e.target.closest('input, textarea, button, [tabindex]'))
        e.preventDefault();
    }));

    // The status bar's date and time, current at every minute, in the
    // browser's language (marked as such) and in the results' Latin digits.
    const lang = language();
    byId('StatusDate').lang = byId('StatusTime').lang = lang || '';
    function showClock() {
      const now = new Date();
      byId('StatusDate').textContent = now.toLocaleDateString(lang,
        { day: 'numeric', month: 'short', year: 'numeric', numberingSystem: 'latn' });
      byId('StatusTime').textContent = now.toLocaleTimeString(lang,
        { hour: '2-digit', minute: '2-digit', numberingSystem: 'latn' });
      setTimeout(showClock, 60000 - (now.getTime() % 60000));
    }
    showClock();

    const unread = restoreSession();
    reset('frmMain');
    control('frmMain', 'txtScore').focus();
    if (unread)
      showMessage(unread);
    document.documentElement.dataset.ready = 'true';
    performance.mark('mervane-interactive');
  }

  const WORKING_AFTER_MS = 300;

  // Why Mervane cannot run here, in place of windows that would only pretend to work.
  const NO_WASM = 'Mervane cannot run here because this browser does not run WebAssembly, which it calculates ' +
    'with (iOS Lockdown Mode, for one, turns it off): open it in another browser, or use Mervane for the desktop.';
  const NO_CORE = 'Mervane cannot run here because its calculation core, mervane-core.js, did not load: ' +
    'reload the page, or use Mervane for the desktop.';
  const NO_START = 'Mervane cannot run here because it could not start in this browser: ' +
    'open it in another browser, or use Mervane for the desktop.';
  function cannotRun(why) {
    byId('frmSplash').hidden = true;
    document.querySelectorAll('.window').forEach((w) => {
      if (w.open)
        w.close();
      w.hidden = true;
    });
    byId('cannot-run').textContent = why;
    byId('cannot-run').hidden = false;
  }

  // The core, which the page's head has begun to download, is run once the
  // page is parsed; the window is painted meanwhile, the splash over it.
  function loadCore(started, failed) {
    if (typeof WebAssembly !== 'object') {
      failed(NO_WASM);
      return;
    }
    const script = document.createElement('script');
    script.src = 'mervane-core.js';
    script.onerror = () => failed(NO_CORE);
    script.onload = () => {
      if (typeof MervaneCore !== 'function') {
        failed(NO_CORE);
        return;
      }
      MervaneCore({ onAbort: () => failed(NO_CORE) }).then(started, () => failed(NO_CORE));
    };
    document.head.append(script);
  }

  // Served over HTTP, the page can be installed and its files are kept for
  // use offline; from disk they are there anyway, and a browser refuses a
  // manifest or a worker from there.
  if (location.protocol.startsWith('http')) {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.append(manifest);
    if ('serviceWorker' in navigator)
      navigator.serviceWorker.register('sw.js').catch(() => {});
  }

  function begin() {
    // The splash lies over the main window for its time from the start, and
    // on a slow line until the core runs; the main window can be used beneath
    // it once the core runs, and not before, when its boxes would take any key.
    const splash = byId('frmSplash');
    let waiting = 2;
    const done = () => { if (--waiting === 0) splash.hidden = true; };
    setTimeout(done, Number(splash.dataset.ms));
    // A failure while starting ends on the page's sentence, never under a splash that stays.
    loadCore((core) => {
      try {
        start(core);
      } catch (e) {
        cannotRun(NO_START);
        return;
      }
      done();
    }, cannotRun);
  }
  if (document.readyState === 'loading')
    document.addEventListener('DOMContentLoaded', begin);
  else
    begin();
})();
