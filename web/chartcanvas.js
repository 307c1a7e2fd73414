'use strict';
// The chart engine's drawing device in the page: every drawing call of the engine's canvas lands here, on a
// page canvas or an off-screen one. Drawing is in whole logical pixels, as on the classic desktop device: lines
// without their end point, shapes without their right and bottom edges; each canvas is sized by the screen's
// device pixel ratio, so a logical pixel is a block of device pixels and the picture stays sharp.
const BhnCanvas = (() => {
  const FontFamily = 'BHN Liberation Sans';
  const surfaces = new Map();
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

  function make(canvas, width, height) {
    const scale = window.devicePixelRatio || 1;
    canvas.width = Math.round(width * scale);
    canvas.height = Math.round(height * scale);
    // Read back by the tests and the layout check: kept in memory rather than on the GPU.
    const ctx = canvas.getContext('2d', {alpha: false, willReadFrequently: true});
    ctx.setTransform(scale, 0, 0, scale, 0, 0);
    ctx.imageSmoothingEnabled = false;
    const id = nextId++;
    surfaces.set(id, {canvas, ctx, width, height, scale, pen: {color: 0, width: 1, mode: 4, dashes: []},
      brush: {color: 0xffffff, style: 0}, font: null, clip: false});
    return id;
  }

  // The page canvas: sized for the screen and known by the returned id.
  function attach(canvas, width, height) {
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
    return make(canvas, width, height);
  }

  function create(width, height) {
    return make(document.createElement('canvas'), width, height);
  }

  function release(id) { surfaces.delete(id); }

  function pen(id, color, width, mode, dashes) { surfaces.get(id).pen = {color, width, mode, dashes}; }
  function brush(id, color, style) { surfaces.get(id).brush = {color, style}; }

  // Liberation Sans' ascent and descent per pixel of size, read once at a large size.
  let metrics = null;
  function fontMetrics(ctx) {
    if (metrics === null) {
      ctx.save();
      ctx.font = `1000px "${FontFamily}"`;
      const m = ctx.measureText('W');
      metrics = {ascent: m.fontBoundingBoxAscent / 1000, descent: m.fontBoundingBoxDescent / 1000};
      ctx.restore();
    }
    return metrics;
  }

  function font(id, name, height, style, escapement, color) {
    const s = surfaces.get(id);
    const m = fontMetrics(s.ctx);
    // A negative height is the character height (the size), a positive one the cell height.
    const size = height < 0 ? -height : height / (m.ascent + m.descent);
    const ascent = Math.ceil(m.ascent * size);
    const cell = Math.max(ascent, Math.ceil((m.ascent + m.descent) * size));
    const weight = (style & 1) ? 'bold ' : '';
    const italic = (style & 2) ? 'italic ' : '';
    s.font = {css: `${italic}${weight}${size}px "${FontFamily}"`, size, bold: (style & 1) !== 0, italic: (style & 2) !== 0,
      ascent, cell, escapement, color,
      underline: (style & 4) !== 0, strikeOut: (style & 8) !== 0};
  }

  // A text's width: its glyphs' advances added up without kerning, rounded once to whole pixels.
  function textWidth(s, text) {
    const key = s.font.css;
    let table = widths.get(key);
    if (table === undefined) {
      table = new Map();
      widths.set(key, table);
    }
    let width = table.get(text);
    if (width === undefined) {
      const glyphs = glyphAdvances(s.font, text);
      s.ctx.font = key;
      s.ctx.fontKerning = 'none';
      width = glyphs !== undefined ? glyphs.reduce((a, b) => a + b, 0) : Math.round(s.ctx.measureText(text).width);
      // Axis labels change with every zoom and scroll: the table is bounded.
      if (table.size >= 4096) table.clear();
      table.set(text, width);
    }
    return width;
  }

  // Width in the high 16 bits, cell height in the low ones.
  function measure(id, text) {
    const s = surfaces.get(id);
    return (textWidth(s, text) << 16) | s.font.cell;
  }

  function text(id, x, y, str, align, opaque, back) {
    const s = surfaces.get(id), ctx = s.ctx, f = s.font;
    const width = textWidth(s, str);
    const horizontal = align & 6, vertical = align & 24;
    const dx = horizontal === 2 ? -width : (horizontal === 6 ? -Math.trunc(width / 2) : 0);
    const baseline = vertical === 24 ? 0 : (vertical === 8 ? f.ascent - f.cell : f.ascent);
    ctx.save();
    ctx.translate(x, y);
    if (f.escapement % 3600 !== 0) {
      ctx.rotate(-f.escapement / 10 * Math.PI / 180);
    }
    if (opaque) {
      ctx.fillStyle = css(back);
      ctx.fillRect(dx, baseline - f.ascent, width, f.cell);
    }
    ctx.font = f.css;
    ctx.fillStyle = css(f.color);
    ctx.textBaseline = 'alphabetic';
    ctx.textAlign = 'left';
    ctx.fontKerning = 'none';
    const glyphs = glyphAdvances(f, str);
    if (glyphs === undefined) {
      ctx.fillText(str, dx, baseline);
    } else {
      let pos = dx, i = 0;
      for (const ch of str) {
        if (ch !== ' ') ctx.fillText(ch, pos, baseline);
        pos += glyphs[i++];
      }
    }
    const rule = Math.max(1, Math.round(f.cell / 13));
    if (f.underline) ctx.fillRect(dx, baseline + 1, width, rule);
    if (f.strikeOut) ctx.fillRect(dx, baseline - Math.round(f.ascent / 3), width, rule);
    ctx.restore();
  }

  // Pixels are painted in runs: consecutive pixels of a row (or of a column) as one rectangle.
  function painter(s, color, mode) {
    const ctx = s.ctx;
    const invert = mode === 15 || mode === 5 || mode === 14 || mode === 3;
    ctx.globalCompositeOperation = invert ? 'difference' : 'source-over';
    ctx.fillStyle = invert ? '#ffffff' : css(color);
    let run = null;
    const flush = () => {
      if (run !== null) ctx.fillRect(run.x, run.y, run.w, run.h);
      run = null;
    };
    return {
      plot(x, y, size) {
        const o = size > 1 ? Math.floor(size / 2) : 0;
        const px = x - o, py = y - o;
        if (run !== null && run.h === size && run.y === py && run.x + run.w === px) { run.w += 1; return; }
        if (run !== null && run.w === size && run.x === px && run.y + run.h === py) { run.h += 1; return; }
        flush();
        run = {x: px, y: py, w: size, h: size};
      },
      done() { flush(); ctx.globalCompositeOperation = 'source-over'; },
    };
  }

  // The pixels of a line from (x0, y0) towards (x1, y1), the end point left out, with the pen's dashes.
  function stroke(s, p, x0, y0, x1, y1) {
    const pen = s.pen;
    if (pen.width === 0) return;
    const dx = Math.abs(x1 - x0), dy = Math.abs(y1 - y0);
    const sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const steps = Math.max(dx, dy);
    const period = pen.dashes.reduce((a, b) => a + b, 0);
    let x = x0, y = y0, err = dx - dy;
    for (let k = 0; k < steps; ++k) {
      let on = true;
      if (period > 0) {
        let phase = k % period;
        for (let i = 0; i < pen.dashes.length; ++i) {
          if (phase < pen.dashes[i]) { on = i % 2 === 0; break; }
          phase -= pen.dashes[i];
        }
      }
      if (on) p.plot(x, y, pen.width);
      const twice = 2 * err;
      if (twice > -dy) { err -= dy; x += sx; }
      if (twice < dx) { err += dx; y += sy; }
    }
  }

  function line(id, x0, y0, x1, y1) {
    const s = surfaces.get(id);
    const p = painter(s, s.pen.color, s.pen.mode);
    stroke(s, p, x0, y0, x1, y1);
    p.done();
  }

  // A brush's fill of a whole-pixel area, given row by row as [x from, x to) spans.
  const hatches = {2: (x, y) => y % 8 === 7, 3: (x, y) => x % 8 === 7, 4: (x, y) => (x + y) % 8 === 7,
    5: (x, y) => (x - y + 64) % 8 === 0, 6: (x, y) => x % 8 === 7 || y % 8 === 7,
    7: (x, y) => (x + y) % 8 === 7 || (x - y + 64) % 8 === 0};
  function fillSpans(s, spans) {
    const b = s.brush;
    if (b.style === 1) return;
    const ctx = s.ctx;
    ctx.fillStyle = css(b.color);
    const hatch = hatches[b.style];
    for (const [y, from, to] of spans) {
      if (hatch === undefined) {
        if (to > from) ctx.fillRect(from, y, to - from, 1);
      } else {
        for (let x = from; x < to; ++x) if (hatch(x, y)) ctx.fillRect(x, y, 1, 1);
      }
    }
  }

  function outline(s, points, closed) {
    const p = painter(s, s.pen.color, s.pen.mode);
    const n = points.length / 2;
    for (let i = 0; i + 1 < n; ++i) stroke(s, p, points[2 * i], points[2 * i + 1], points[2 * i + 2], points[2 * i + 3]);
    if (closed && n > 1) stroke(s, p, points[2 * n - 2], points[2 * n - 1], points[0], points[1]);
    p.done();
  }

  function rect(id, left, top, right, bottom, withOutline) {
    const s = surfaces.get(id);
    const spans = [];
    for (let y = top; y < bottom; ++y) spans.push([y, left, right]);
    fillSpans(s, spans);
    if (withOutline && right - left > 0 && bottom - top > 0) {
      outline(s, [left, top, right - 1, top, right - 1, bottom - 1, left, bottom - 1], true);
      if (right - left === 1 || bottom - top === 1) line(id, left, top, left, top + 1);
    }
  }

  // Polygons are filled where pixel centres lie inside (alternate rule), then outlined with the pen.
  function polygon(id, points, closed) {
    const s = surfaces.get(id);
    const n = points.length / 2;
    if (closed && n > 2) {
      let top = Infinity, bottom = -Infinity;
      for (let i = 0; i < n; ++i) { top = Math.min(top, points[2 * i + 1]); bottom = Math.max(bottom, points[2 * i + 1]); }
      const spans = [];
      for (let y = top; y < bottom; ++y) {
        const cy = y + 0.5, xs = [];
        for (let i = 0; i < n; ++i) {
          const ax = points[2 * i], ay = points[2 * i + 1];
          const bx = points[2 * ((i + 1) % n)], by = points[2 * ((i + 1) % n) + 1];
          if ((ay <= cy) !== (by <= cy)) xs.push(ax + (cy - ay) * (bx - ax) / (by - ay));
        }
        xs.sort((a, b) => a - b);
        for (let i = 0; i + 1 < xs.length; i += 2) spans.push([y, Math.ceil(xs[i] - 0.5), Math.ceil(xs[i + 1] - 0.5)]);
      }
      fillSpans(s, spans);
    }
    outline(s, Array.from(points), closed);
  }

  function ellipse(id, left, top, right, bottom) {
    const s = surfaces.get(id);
    const cx = (left + right) / 2, cy = (top + bottom) / 2, a = (right - left) / 2, b = (bottom - top) / 2;
    if (a <= 0 || b <= 0) return;
    const spans = [], edge = [];
    for (let y = top; y < bottom; ++y) {
      const t = (y + 0.5 - cy) / b;
      const half = a * Math.sqrt(Math.max(0, 1 - t * t));
      const from = Math.ceil(cx - half - 0.5), to = Math.ceil(cx + half - 0.5);
      spans.push([y, from, to]);
      edge.push([y, from, to]);
    }
    fillSpans(s, spans);
    if (s.pen.width === 0) return;
    const p = painter(s, s.pen.color, s.pen.mode);
    edge.forEach(([y, from, to], i) => {
      const last = i === 0 || i === edge.length - 1;
      if (to <= from) return;
      if (last) { for (let x = from; x < to; ++x) p.plot(x, y, 1); } else { p.plot(from, y, 1); p.plot(to - 1, y, 1); }
    });
    p.done();
  }

  // Counter-clockwise (as seen on screen) from the ray towards the start to the ray towards the end; a pie also
  // joins both ends to the centre and fills with the brush. Not in whole pixels: the calculator draws none.
  function arc(id, left, top, right, bottom, sx, sy, ex, ey, pie) {
    const s = surfaces.get(id), ctx = s.ctx;
    const cx = (left + right) / 2, cy = (top + bottom) / 2, a = (right - left) / 2, b = (bottom - top) / 2;
    if (a <= 0 || b <= 0) return;
    const angle = (x, y) => Math.atan2((y - cy) / b, (x - cx) / a);
    ctx.beginPath();
    if (pie) ctx.moveTo(cx, cy);
    ctx.ellipse(cx, cy, a - 0.5, b - 0.5, 0, angle(sx, sy), angle(ex, ey), true);
    if (pie) {
      ctx.closePath();
      if (s.brush.style !== 1) {
        ctx.fillStyle = css(s.brush.color);
        ctx.fill();
      }
    }
    if (s.pen.width > 0) {
      ctx.strokeStyle = css(s.pen.color);
      ctx.lineWidth = s.pen.width;
      ctx.stroke();
    }
  }

  function pixel(id, x, y, color) {
    const ctx = surfaces.get(id).ctx;
    ctx.fillStyle = css(color);
    ctx.fillRect(x, y, 1, 1);
  }

  function clip(id, left, top, right, bottom) {
    const s = surfaces.get(id);
    unclip(id);
    s.ctx.save();
    s.ctx.beginPath();
    s.ctx.rect(left, top, right - left, bottom - top);
    s.ctx.clip();
    s.clip = true;
  }

  function unclip(id) {
    const s = surfaces.get(id);
    if (s.clip) {
      s.ctx.restore();
      s.clip = false;
    }
  }

  function copy(id, source, x, y) {
    const s = surfaces.get(id), from = surfaces.get(source);
    s.ctx.save();
    s.ctx.setTransform(1, 0, 0, 1, 0, 0);
    s.ctx.drawImage(from.canvas, Math.round(x * s.scale), Math.round(y * s.scale));
    s.ctx.restore();
  }

  // The colour of one logical pixel: reading it makes the canvas finish what it was asked to draw.
  function read(id, x, y) {
    const s = surfaces.get(id);
    const d = s.ctx.getImageData(Math.floor(x * s.scale), Math.floor(y * s.scale), 1, 1).data;
    return d[0] | (d[1] << 8) | (d[2] << 16);
  }

  return {useAdvances, read, css, attach, create, release, pen, brush, font, measure, text, line, rect, polygon, ellipse, arc, pixel,
    clip, unclip, copy};
})();
