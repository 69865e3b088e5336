'use strict';
// The page's own script: it moves texts between the fields and the
// calculation core (mervane-core.js, the desktop's C++ core compiled to
// WebAssembly), opens and closes the windows, and computes nothing itself.
(function () {
  function byId(id) { return document.getElementById(id); }
  // A control of a window by its design name: some names stand in two windows.
  function control(windowId, name) { return byId(windowId).querySelector('[data-name="' + name + '"]'); }

  // The decimal separator of the browser's language, as the desktop edition
  // takes its locale's.
  function decimalSeparator() {
    try {
      const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((p) => p.type === 'decimal');
      return part ? part.value : '.';
    } catch (e) {
      return '.';
    }
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

  function openWindow(id, prepare) {
    const dialog = byId(id);
    prepare(dialog);
    dialog.showModal();
  }

  function start(core) {
    byId('frmMain').inert = false;
    const separator = decimalSeparator();

    const inputNames = core.inputBoxes();
    const resultNames = core.resultBoxes();

    // The keystroke rule of the number boxes, from the core: a key's
    // characters pass whole or not at all, a composed text's one by one, and
    // the language's decimal key types a point. A paste is not filtered, as on
    // the desktop.
    function insert(box, text) {
      box.setRangeText(text, box.selectionStart, box.selectionEnd, 'end');
      box.dispatchEvent(new Event('input', { bubbles: true }));
    }
    function filterTyping(box) {
      box.addEventListener('beforeinput', (e) => {
        if (e.inputType !== 'insertText' || e.data === null)
          return;
        const kept = core.typed(e.data, box.value, separator);
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
        let kept = '';
        for (const c of e.data || '')
          kept += core.typed(c, value + kept, separator);
        box.value = value.slice(0, start) + kept + value.slice(end);
        box.setSelectionRange(start + kept.length, start + kept.length);
      });
    }
    document.querySelectorAll('[data-numeric]').forEach(filterTyping);

    // What Go or Do It found, for a screen reader, once; a message box speaks for itself.
    function announce(text) {
      const live = byId('announce');
      live.textContent = '';
      requestAnimationFrame(() => { live.textContent = text; });
    }

    function formLoad() {
      inputNames.concat(['txtMeasure'], resultNames).forEach((name) => { control('frmMain', name).value = ''; });
    }

    function cmdGoClick() {
      const inputs = {};
      inputNames.forEach((name) => { inputs[name] = control('frmMain', name).value; });
      const r = core.analyze(inputs, separator);
      resultNames.forEach((name) => showText(control('frmMain', name), r[name]));
      if (r.message !== null)
        showMessage(r.message);
      else
        announce(r.txtZScore === '' ? 'Results shown.'
          : 'Results shown: z score ' + r.txtZScore + ', percentile ' + r.txtPercentile + '.');
    }

    function cmdDoItClick() {
      const r = core.convert(control('frmConvert', 'txtConf').value, control('frmConvert', 'txtSD').value, separator);
      // A refusal keeps the previous answer.
      if (r.txtAnswer !== '')
        showText(control('frmConvert', 'txtAnswer'), r.txtAnswer);
      if (r.message !== null)
        showMessage(r.message);
      else
        announce(r.txtAnswer + '.');
    }

    function openConverter() {
      openWindow('frmConvert', () => {
        ['txtConf', 'txtSD', 'txtAnswer'].forEach((name) => { control('frmConvert', name).value = ''; });
      });
      control('frmConvert', 'txtConf').focus();
    }

    const interpretInputs = core.interpretInputBoxes();
    const interpretResults = core.interpretResultBoxes();
    const interpretBox = (name) => control('frmInterpret', name);

    // Opens with the main window's measure, mean, SD and raw score as they stand.
    function openInterpretation() {
      openWindow('frmInterpret', () => {
        interpretInputs.forEach((name) => { interpretBox(name).value = ''; });
        ['txtMeasure', 'txtMean', 'txtSD', 'txtScore'].forEach((name) => {
          interpretBox(name).value = control('frmMain', name).value;
        });
        interpretBox('txtLevel').value = '95';
        interpretResults.forEach((name) => { interpretBox(name).value = ''; });
        interpretBox('picCurve').innerHTML = core.blankCurve();
      });
      interpretBox('txtMeasure').focus();
    }

    function interpretGoClick() {
      const inputs = {};
      interpretInputs.forEach((name) => { inputs[name] = interpretBox(name).value; });
      const r = core.interpret(inputs, separator);
      interpretResults.forEach((name) => showText(interpretBox(name), r[name]));
      interpretBox('picCurve').innerHTML = r.picCurve;
      if (r.message !== null)
        showMessage(r.message);
      else
        announce('Interpretation shown: z score ' + r.txtZScore + ', percentile ' + r.txtPercentile + '.');
    }

    const batchBox = (name) => control('frmBatch', name);
    const batchInputs = ['txtMeasure', 'txtMean', 'txtSD', 'txtReliability', 'txtLevel'];
    let batchCopy = '';

    // Opens with the interpretation window's measure, mean, SD, reliability and level.
    function openBatch() {
      openWindow('frmBatch', () => {
        batchInputs.forEach((name) => { batchBox(name).value = interpretBox(name).value; });
        batchBox('txtScores').value = '';
        showTable([], []);
        batchCopy = '';
      });
      batchBox('txtMeasure').focus();
    }

    const escapes = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };
    const escaped = (text) => text.replace(/[&<>"]/g, (c) => escapes[c]);

    // Only the rows in sight are drawn, between two spacers the height of the
    // others: ten thousand rows of cells would take seconds to lay out. The
    // table says how many rows it has, and each row where it stands.
    const ROW_PX = 18;
    let tableRows = [];
    function drawRows() {
      const grid = batchBox('grdScores');
      const first = Math.max(0, Math.floor(grid.scrollTop / ROW_PX) - 10);
      const last = Math.min(tableRows.length, first + Math.ceil(grid.clientHeight / ROW_PX) + 20);
      const spacer = (rows) => (rows ? '<tr aria-hidden="true" style="height:' + rows * ROW_PX + 'px"></tr>' : '');
      grid.querySelector('tbody').innerHTML = spacer(first) + tableRows.slice(first, last).map((row, i) =>
        '<tr aria-rowindex="' + (first + i + 2) + '">' + row.map((cell) => '<td>' + escaped(cell) + '</td>').join('') +
        '</tr>').join('') + spacer(tableRows.length - last);
    }
    batchBox('grdScores').addEventListener('scroll', drawRows);

    function showTable(columns, rows) {
      const grid = batchBox('grdScores');
      const table = grid.querySelector('table');
      table.setAttribute('aria-rowcount', String(rows.length + 1));
      table.tHead.rows[0].innerHTML = columns.map((c) => '<th scope="col">' + escaped(c) + '</th>').join('');
      tableRows = rows;
      grid.scrollTop = 0;
      drawRows();
    }

    function batchGoClick() {
      const inputs = { txtScores: batchBox('txtScores').value };
      batchInputs.forEach((name) => { inputs[name] = batchBox(name).value; });
      const r = core.batch(inputs, separator);
      showTable(r.columns, r.rows);
      batchCopy = r.tsv;
      if (r.message !== null)
        showMessage(r.message);
      else
        announce(r.rows.length === 1 ? 'One row shown.' : r.rows.length + ' rows shown.');
    }

    function exit() {
      byId('frmMain').hidden = true;
      byId('ended').hidden = false;
    }

    const handlers = {
      frmMain: {
        cmdGo: cmdGoClick,
        cmdClear: formLoad,
        cmdExit: exit,
        cmdAssumptions: () => { openWindow('frmAssumptions', () => {}); control('frmAssumptions', 'cmdExit').focus(); },
        cmdCredits: () => { openWindow('frmCredits', () => { control('frmCredits', 'Text1').scrollTop = 0; });
                            control('frmCredits', 'cmdQuenloWebsite').focus(); },
        picConf: openConverter,
        cmdInterpret: openInterpretation,
      },
      frmInterpret: {
        cmdGo: interpretGoClick,
        cmdCopy: () => navigator.clipboard.writeText(interpretBox('txtReport').value),
        cmdClose: () => byId('frmInterpret').close(),
        cmdBatch: openBatch,
      },
      frmBatch: {
        cmdGo: batchGoClick,
        cmdCopy: () => { if (batchCopy !== '') navigator.clipboard.writeText(batchCopy); },
        cmdClose: () => byId('frmBatch').close(),
      },
      frmConvert: { cmdDoIt: cmdDoItClick, cmdClose: () => byId('frmConvert').close() },
      frmAssumptions: { cmdExit: () => byId('frmAssumptions').close() },
      frmCredits: {
        cmdQuenloWebsite: () => window.open(core.makerAddress(), '_blank', 'noopener,noreferrer'),
        cmdExit: () => byId('frmCredits').close(),
      },
    };
    for (const [windowId, buttons] of Object.entries(handlers))
      for (const [name, handler] of Object.entries(buttons))
        control(windowId, name).addEventListener('click', handler);
    byId('msgbox-ok').addEventListener('click', () => byId('msgbox').close());

    // No window has a cancel button: Escape closes none but the message box.
    document.querySelectorAll('dialog.window:not(#msgbox)').forEach((dialog) => {
      dialog.addEventListener('cancel', (e) => e.preventDefault());
    });

    // Access keys (Alt and the underlined letter) act in the window on top,
    // and F1 opens the converter and F2 the interpretation from the main window.
    document.addEventListener('keydown', (e) => {
      const open = openWindows();
      const top = open.length ? open[open.length - 1] : byId('frmMain');
      if (e.key === 'Escape' && top.id !== 'msgbox' && open.length) {
        e.preventDefault();
        return;
      }
      if ((e.key === 'F1' || e.key === 'F2') && !open.length && !byId('frmMain').hidden) {
        e.preventDefault();
        (e.key === 'F1' ? openConverter : openInterpretation)();
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
    const language = navigator.language;
    byId('StatusDate').lang = byId('StatusTime').lang = language;
    function showClock() {
      const now = new Date();
      byId('StatusDate').textContent = now.toLocaleDateString(language,
        { day: 'numeric', month: 'short', year: 'numeric', numberingSystem: 'latn' });
      byId('StatusTime').textContent = now.toLocaleTimeString(language,
        { hour: '2-digit', minute: '2-digit', numberingSystem: 'latn' });
      setTimeout(showClock, 60000 - (now.getTime() % 60000));
    }
    showClock();

    formLoad();
    control('frmMain', 'txtScore').focus();
    document.documentElement.dataset.ready = 'true';
    performance.mark('mervane-interactive');
  }

  // Why Mervane cannot run here, in place of windows that would only pretend to work.
  const NO_WASM = 'Mervane cannot run here because this browser does not run WebAssembly, which it calculates ' +
    'with (iOS Lockdown Mode, for one, turns it off): open it in another browser, or use Mervane for the desktop.';
  const NO_CORE = 'Mervane cannot run here because its calculation core, mervane-core.js, did not load: ' +
    'reload the page, or use Mervane for the desktop.';
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
      MervaneCore({ onAbort: () => failed(NO_CORE) }).then(started);
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
    loadCore((core) => { start(core); done(); }, cannotRun);
  }
  if (document.readyState === 'loading')
    document.addEventListener('DOMContentLoaded', begin);
  else
    begin();
})();
