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
    const separator = decimalSeparator();

    const inputNames = core.inputBoxes();
    const resultNames = core.resultBoxes();

    // The keystroke rule of the number boxes, from the core. Typed text only:
    // a paste is not filtered, as on the desktop.
    function filterTyping(box) {
      box.addEventListener('beforeinput', (e) => {
        if (e.inputType === 'insertText' && e.data !== null && !core.acceptsTyped(e.data, box.value))
          e.preventDefault();
      });
    }
    document.querySelectorAll('[data-numeric]').forEach(filterTyping);

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
    }

    function cmdDoItClick() {
      const r = core.convert(control('frmConvert', 'txtConf').value, control('frmConvert', 'txtSD').value, separator);
      // A refusal keeps the previous answer.
      if (r.txtAnswer !== '')
        showText(control('frmConvert', 'txtAnswer'), r.txtAnswer);
      if (r.message !== null)
        showMessage(r.message);
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
      if (e.altKey && !e.ctrlKey && !e.metaKey && e.key.length === 1 && top.id !== 'msgbox') {
        const button = top.querySelector('button[data-key="' + e.key.toLowerCase() + '"]');
        if (button) {
          e.preventDefault();
          button.click();
        }
      }
    });

    // The status bar's date and time, current at every minute.
    const language = navigator.language;
    function showClock() {
      const now = new Date();
      byId('StatusDate').textContent = now.toLocaleDateString(language, { day: 'numeric', month: 'short', year: 'numeric' });
      byId('StatusTime').textContent = now.toLocaleTimeString(language, { hour: '2-digit', minute: '2-digit' });
      setTimeout(showClock, 60000 - (now.getTime() % 60000));
    }
    showClock();

    formLoad();
    control('frmMain', 'txtScore').focus();
    document.documentElement.dataset.ready = 'true';
    performance.mark('mervane-interactive');
  }

  // The core starts compiling at once; the page is filled once it is parsed.
  const core = MervaneCore();
  document.addEventListener('DOMContentLoaded', () => {
    // The splash lies over the main window for its time from the start; the
    // main window can be used beneath it.
    const splash = byId('frmSplash');
    setTimeout(() => { splash.hidden = true; }, Number(splash.dataset.ms));
    core.then(start);
  });
})();
