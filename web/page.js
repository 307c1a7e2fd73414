'use strict';
// The page builds its elements from the window's form description and forwards their events to the
// calculator's handlers in the WebAssembly module; what the handlers change comes back through BhnPage.
const BhnPage = (() => {
  const FontFamily = '"BHN Liberation Sans"';
  // The classic fonts of the form are drawn with Liberation Sans, as on the desktop.
  const fontOf = (properties, inherited) => {
    const height = properties['Font.Height'];
    const style = properties['Font.Style'] || [];
    return {
      size: height === undefined ? inherited.size : Math.abs(height),
      bold: properties['Font.Style'] === undefined ? inherited.bold : style.includes('fsBold'),
      italic: properties['Font.Style'] === undefined ? inherited.italic : style.includes('fsItalic'),
    };
  };
  let module = null;
  let chartCanvas = null;
  let paintPending = false;
  const elements = new Map();

  const call = (name, ...args) => module.ccall(name, 'string', args.map(() => 'string'), args);
  const formColor = (value) => call('bhn_form_color', typeof value === 'number' ? '$' + value.toString(16) : value);
  const event = (control, name) => module.ccall('bhn_event', null, ['string', 'string'], [control, name]);

  function place(element, p) {
    element.style.left = p.Left + 'px';
    element.style.top = p.Top + 'px';
    if (p.Width !== undefined) element.style.width = p.Width + 'px';
    if (p.Height !== undefined) element.style.height = p.Height + 'px';
  }

  function applyFont(element, font, color) {
    element.style.fontFamily = FontFamily;
    element.style.fontSize = font.size + 'px';
    element.style.fontWeight = font.bold ? 'bold' : 'normal';
    element.style.fontStyle = font.italic ? 'italic' : 'normal';
    if (color !== undefined) element.style.color = formColor(color);
  }

  function textHeight(font) {
    const probe = document.createElement('canvas').getContext('2d');
    probe.font = `1000px ${FontFamily}`;
    const m = probe.measureText('W');
    return Math.ceil((m.fontBoundingBoxAscent + m.fontBoundingBoxDescent) / 1000 * font.size);
  }

  function makeControl(node, inherited) {
    const p = node.properties;
    const font = fontOf(p, inherited);
    let element;
    switch (node.class) {
    case 'TLabel':
      element = document.createElement(p.FocusControl ? 'label' : 'span');
      element.className = 'label';
      element.textContent = p.Caption;
      if (p.FocusControl) element.htmlFor = p.FocusControl;
      place(element, {Left: p.Left, Top: p.Top});
      break;
    case 'TEdit':
      element = document.createElement('input');
      element.type = 'text';
      element.value = p.Text;
      element.spellcheck = false;
      element.autocomplete = 'off';
      element.addEventListener('input', () => event(node.name, 'OnChange'));
      // Return or Enter in a hardness entry calculates, as in the desktop window.
      if (node.name === 'Edit1' || node.name === 'Edit4') {
        element.addEventListener('keydown', (e) => {
          if (e.key === 'Enter') { e.preventDefault(); elements.get('Button1').click(); }
        });
      }
      place(element, p);
      break;
    case 'TButton':
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = p.Caption;
      element.addEventListener('click', () => event(node.name, 'OnClick'));
      place(element, p);
      break;
    case 'TRadioGroup': {
      element = document.createElement('fieldset');
      const legend = document.createElement('legend');
      legend.textContent = p.Caption;
      element.appendChild(legend);
      const places = JSON.parse(module.ccall('bhn_radio_places', 'string', Array(5).fill('number'),
        [p.Items.length, p.Columns || 1, p.Width, p.Height, textHeight(font)]));
      p.Items.forEach((item, i) => {
        const label = document.createElement('label');
        const radio = document.createElement('input');
        radio.type = 'radio';
        radio.name = node.name;
        radio.value = String(i);
        radio.checked = i === p.ItemIndex;
        // Only a change of the checked item is a click of the group.
        radio.addEventListener('change', () => event(node.name, 'OnClick'));
        label.append(radio, item);
        const [left, top, width, height] = places[i];
        place(label, {Left: left, Top: top, Width: width, Height: height});
        element.appendChild(label);
      });
      place(element, p);
      break;
    }
    case 'TChart':
      element = document.createElement('div');
      element.className = 'chart';
      chartCanvas = document.createElement('canvas');
      chartCanvas.id = node.name + '-canvas';
      chartCanvas.setAttribute('role', 'img');
      const description = document.createElement('p');
      description.id = node.name + '-description';
      description.className = 'description';
      chartCanvas.setAttribute('aria-describedby', description.id);
      element.append(chartCanvas, description);
      place(element, p);
      break;
    default:
      return null;
    }
    element.id = node.name;
    if (p.AccessibleName !== undefined) {
      (node.class === 'TChart' ? chartCanvas : element).setAttribute('aria-label', p.AccessibleName);
    }
    if (p.TabOrder !== undefined) {
      // Tab order of the form; the chart takes the focus too, as the desktop's does.
      (node.class === 'TChart' ? chartCanvas : element).tabIndex = p.TabOrder + 1;
      if (node.class === 'TRadioGroup') {
        element.tabIndex = -1;
        element.querySelectorAll('input').forEach((radio) => { radio.tabIndex = p.TabOrder + 1; });
      }
    }
    applyFont(element, font, p['Font.Color']);
    elements.set(node.name, element);
    for (const child of node.children) {
      const made = makeControl(child, font);
      if (made !== null) element.appendChild(made);
    }
    return element;
  }

  function build(form) {
    const root = document.getElementById('form');
    const p = form.properties;
    document.title = p.Caption;
    root.style.width = p.ClientWidth + 'px';
    root.style.height = p.ClientHeight + 'px';
    root.style.backgroundColor = formColor(p.Color);
    const font = fontOf(p, {size: 11, bold: false, italic: false});
    applyFont(root, font, p['Font.Color']);
    for (const child of form.children) {
      const made = makeControl(child, font);
      if (made !== null) root.appendChild(made);
    }
  }

  // The chart's mouse: buttons and keys as the engine numbers them.
  function forwardPointer() {
    const buttonOf = (e) => (e.button === 2 ? 1 : e.button === 1 ? 2 : 0);
    const shiftOf = (e) => (e.shiftKey ? 1 : 0) | (e.altKey ? 2 : 0) | (e.ctrlKey ? 4 : 0)
      | (e.buttons & 1 ? 8 : 0) | (e.buttons & 2 ? 16 : 0) | (e.buttons & 4 ? 32 : 0);
    const mouse = (kind, e) => module._bhn_mouse(kind, buttonOf(e), shiftOf(e), Math.round(e.offsetX), Math.round(e.offsetY));
    chartCanvas.addEventListener('pointerdown', (e) => { chartCanvas.setPointerCapture(e.pointerId); mouse(0, e); });
    chartCanvas.addEventListener('pointermove', (e) => mouse(1, e));
    chartCanvas.addEventListener('pointerup', (e) => mouse(2, e));
    chartCanvas.addEventListener('pointerleave', (e) => mouse(3, e));
    chartCanvas.addEventListener('contextmenu', (e) => e.preventDefault());
    chartCanvas.addEventListener('wheel', (e) => {
      e.preventDefault();
      if (e.deltaY !== 0) module._bhn_wheel(e.deltaY < 0 ? 120 : -120);
    }, {passive: false});
  }

  async function start() {
    const [advances] = await Promise.all([fetch('text-advances.json').then((response) => response.json()),
      document.fonts.load(`11px ${FontFamily}`), document.fonts.load(`bold 11px ${FontFamily}`)]);
    BhnCanvas.useAdvances(advances);
    module = await BhnModule();
    build(JSON.parse(module.UTF8ToString(module._bhn_form_json())));
    const chart = elements.get('Chart1');
    const canvasId = BhnCanvas.attach(chartCanvas, parseInt(chart.style.width, 10), parseInt(chart.style.height, 10));
    forwardPointer();
    module._bhn_start(canvasId);
    // The window's first activation; the focus goes to the first control in tab order.
    event('Form1', 'OnActivate');
    elements.get('Button1').focus();
    document.body.dataset.ready = 'true';
    // After the first visit the page opens with no network.
    if ('serviceWorker' in navigator) {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    }
  }

  function requestPaint() {
    if (paintPending) return;
    paintPending = true;
    requestAnimationFrame(() => {
      paintPending = false;
      module._bhn_paint();
    });
  }

  function errorBox(caption, text) {
    document.getElementById('errorbox-caption').textContent = caption;
    document.getElementById('errorbox-text').textContent = text;
    document.getElementById('errorbox').showModal();
  }

  const cursors = {0: '', [-2]: 'default', [-3]: 'crosshair', [-21]: 'pointer'};

  window.addEventListener('DOMContentLoaded', start);
  return {
    editText: (name) => elements.get(name).value,
    setEditText: (name, text) => { elements.get(name).value = text; },
    setEditColor: (name, rgb) => { elements.get(name).style.backgroundColor = BhnCanvas.css(rgb); },
    setEditHint: (name, hint) => { elements.get(name).title = hint; },
    radioIndex: (name) => {
      const checked = elements.get(name).querySelector('input:checked');
      return checked === null ? -1 : Number(checked.value);
    },
    requestPaint,
    setCursor: (cursor) => { chartCanvas.style.cursor = cursors[cursor] || ''; },
    describeChart: (text) => { document.getElementById('Chart1-description').textContent = text; },
    errorBox,
    // For tests and tools: the module, an immediate paint, what the chart holds and where values lie.
    module: () => module,
    paintNow: () => module._bhn_paint(),
    // Milliseconds per full, unbuffered draw of the chart, each finished on its canvas before the next.
    timeFullDraw: (count) => {
      const start = performance.now();
      for (let i = 0; i < count; ++i) BhnCanvas.read(module._bhn_full_draw(), 0, 0);
      return (performance.now() - start) / count;
    },
    curves: () => JSON.parse(module.UTF8ToString(module._bhn_probe())).series,
    axes: () => JSON.parse(module.UTF8ToString(module._bhn_probe())).axes,
    valuePixel: (x, y) => JSON.parse(module.UTF8ToString(module._bhn_value_pixel(x, y))),
  };
})();
