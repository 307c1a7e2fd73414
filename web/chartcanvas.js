'use strict';
// The page's side of the chart's drawing device: the module paints the chart's pixels itself and hands them to a
// page canvas in one piece (present); what only the browser can do happens here: sizing canvases for the
// screen's device pixel ratio (a logical pixel is a block of device pixels, so the picture stays sharp), and
// measuring and rasterising text in Liberation Sans.
const BhnCanvas = (() => {
  const FontFamily = 'BHN Liberation Sans';
  const canvases = new Map();
  let nextId = 1;
  // Text widths in whole pixels by font and text.
  const widths = new Map();
  // The desktop device's whole-pixel advances by pixel size, weight and character (text-advances.json): text
  // made only of those characters is measured and placed glyph by glyph on them, as the desktop places it.
  let advances = {};
  function useAdvances(table) { advances = table; }
  function advancesOf(f) {
    const bySize = advances[String(f.size)];
    return bySize === undefined || f.italic ? undefined : bySize[f.bold ? 'bold' : 'regular'];
  }
  function glyphAdvances(f, text) {
    const table = advancesOf(f);
    if (table === undefined) return undefined;
    const list = [];
    for (const ch of text) {
      const advance = table[ch];
      if (advance === undefined) return undefined;
      list.push(advance);
    }
    return list;
  }

  const css = (rgb) => {
    const r = rgb & 0xff, g = (rgb >> 8) & 0xff, b = (rgb >> 16) & 0xff;
    return `rgb(${r},${g},${b})`;
  };

  // Where texts are measured and rasterised.
  let scratch = null;
  function scratchOf(width, height) {
    if (scratch === null) {
      const canvas = document.createElement('canvas');
      scratch = {canvas, ctx: canvas.getContext('2d', {willReadFrequently: true})};
    }
    if (scratch.canvas.width < width || scratch.canvas.height < height) {
      scratch.canvas.width = Math.max(width, scratch.canvas.width);
      scratch.canvas.height = Math.max(height, scratch.canvas.height);
    }
    return scratch.ctx;
  }

  // The page canvas: sized for the screen and known by the returned id.
  function attach(canvas, width, height) {
    const scale = window.devicePixelRatio || 1;
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
    canvas.width = Math.round(width * scale);
    canvas.height = Math.round(height * scale);
    // Read back by the tests and the benchmark: kept in memory rather than on the GPU.
    const ctx = canvas.getContext('2d', {alpha: false, willReadFrequently: true});
    const id = nextId++;
    canvases.set(id, {canvas, ctx, scale});
    return id;
  }

  function scale(id) { return canvases.get(id).scale; }

  // The chart's pixels (RGBA bytes, device pixels) on the canvas.
  function present(id, pixels, width, height) {
    canvases.get(id).ctx.putImageData(new ImageData(pixels, width, height), 0, 0);
  }

  // Liberation Sans' ascent and descent per pixel of size, read once at a large size.
  let metrics = null;
  function fontMetrics() {
    if (metrics === null) {
      const ctx = scratchOf(1, 1);
      ctx.font = `1000px "${FontFamily}"`;
      const m = ctx.measureText('W');
      metrics = {ascent: m.fontBoundingBoxAscent / 1000, descent: m.fontBoundingBoxDescent / 1000};
    }
    return metrics;
  }

  // A font of the engine: a negative height is the character height (the size), a positive one the cell
  // height; style bits 1 bold, 2 italic.
  function fontOf(height, style) {
    const m = fontMetrics();
    const size = height < 0 ? -height : height / (m.ascent + m.descent);
    const bold = (style & 1) !== 0, italic = (style & 2) !== 0;
    const ascent = Math.ceil(m.ascent * size);
    return {size, bold, italic, ascent, cell: Math.max(ascent, Math.ceil((m.ascent + m.descent) * size)),
      css: (pixels) => `${italic ? 'italic ' : ''}${bold ? 'bold ' : ''}${pixels}px "${FontFamily}"`};
  }

  // Ascent in the high 16 bits, cell height in the low ones.
  function metricsOf(height, style) {
    const f = fontOf(height, style);
    return (f.ascent << 16) | f.cell;
  }

  // A text's width: its glyphs' advances added up without kerning, rounded once to whole pixels.
  function measure(height, style, text) {
    const key = `${height}|${style}`;
    let table = widths.get(key);
    if (table === undefined) {
      table = new Map();
      widths.set(key, table);
    }
    let width = table.get(text);
    if (width === undefined) {
      const f = fontOf(height, style);
      const glyphs = glyphAdvances(f, text);
      if (glyphs !== undefined) {
        width = glyphs.reduce((a, b) => a + b, 0);
      } else {
        const ctx = scratchOf(1, 1);
        ctx.font = f.css(f.size);
        ctx.fontKerning = 'none';
        width = Math.round(ctx.measureText(text).width);
      }
      // Axis labels change with every zoom and scroll: the table is bounded.
      if (table.size >= 4096) table.clear();
      table.set(text, width);
    }
    return width;
  }

  // How much of each device pixel a text covers (alpha 0..255) in a box around its origin on the baseline, turned
  // counter-clockwise by escapement tenths of a degree, at scale device pixels a logical pixel. Its glyphs stand on
  // the desktop's advances where the table has them, at whole device pixels.
  function coverage(height, style, escapement, scale, text) {
    const f = fontOf(height, style);
    const angle = escapement % 3600 === 0 ? 0 : escapement / 10 * Math.PI / 180;
    const cos = Math.cos(angle), sin = Math.sin(angle);
    // The box the text's frame turns into, with a font size of room on every side for what overhangs.
    const room = f.size * scale, along = measure(height, style, text) * scale;
    const corners = [[-room, -2 * room], [along + room, -2 * room], [along + room, room], [-room, room]]
      .map(([u, v]) => [u * cos + v * sin, -u * sin + v * cos]);
    const ox = Math.ceil(-Math.min(...corners.map((c) => c[0]))), oy = Math.ceil(-Math.min(...corners.map((c) => c[1])));
    const sw = ox + Math.ceil(Math.max(...corners.map((c) => c[0]))) + 1;
    const sh = oy + Math.ceil(Math.max(...corners.map((c) => c[1]))) + 1;
    const ctx = scratchOf(sw, sh);
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.clearRect(0, 0, sw, sh);
    ctx.translate(ox, oy);
    ctx.rotate(-angle);
    ctx.font = f.css(f.size * scale);
    ctx.fontKerning = 'none';
    ctx.textBaseline = 'alphabetic';
    ctx.textAlign = 'left';
    ctx.fillStyle = '#000';
    const glyphs = glyphAdvances(f, text);
    if (glyphs === undefined) {
      ctx.fillText(text, 0, 0);
    } else {
      let pos = 0, i = 0;
      for (const ch of text) {
        if (ch !== ' ') ctx.fillText(ch, Math.round(pos * scale), 0);
        pos += glyphs[i++];
      }
    }
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    const data = ctx.getImageData(0, 0, sw, sh).data;
    let left = sw, top = sh, right = -1, bottom = -1;
    for (let y = 0; y < sh; ++y) {
      for (let x = 0; x < sw; ++x) {
        if (data[(y * sw + x) * 4 + 3] !== 0) {
          if (x < left) left = x;
          if (x > right) right = x;
          if (y < top) top = y;
          bottom = y;
        }
      }
    }
    const width = Math.max(0, right - left + 1), boxHeight = Math.max(0, bottom - top + 1);
    const alpha = new Uint8Array(width * boxHeight);
    for (let y = 0; y < boxHeight; ++y) {
      for (let x = 0; x < width; ++x) alpha[y * width + x] = data[((top + y) * sw + left + x) * 4 + 3];
    }
    return {x: left - ox, y: top - oy, width, height: boxHeight, alpha};
  }

  // The colour of one logical pixel of a page canvas, as shown.
  function read(id, x, y) {
    const c = canvases.get(id);
    const d = c.ctx.getImageData(Math.floor(x * c.scale), Math.floor(y * c.scale), 1, 1).data;
    return d[0] | (d[1] << 8) | (d[2] << 16);
  }

  return {useAdvances, css, attach, scale, present, metrics: metricsOf, measure, coverage, read};
})();
