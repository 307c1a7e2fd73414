'use strict';
// The chart engine's drawing device in the page: every drawing call of the engine's canvas lands here. Each
// surface keeps its pixels in memory and paints them itself in whole logical pixels, as the classic desktop
// device does: lines without their end point, shapes without their right and bottom edges. A page canvas gets
// its pixels in one piece when the script that drew them ends, so a full redraw costs one copy rather than
// thousands of canvas calls. Surfaces are sized by the screen's device pixel ratio: a logical pixel is a block
// of device pixels and the picture stays sharp.
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
  // A surface's pixel: the page's image data is RGBA bytes, read here as little-endian 32-bit words, so the
  // engine's $00BBGGRR colours only need their alpha.
  const opaque = (rgb) => (rgb & 0xffffff) | 0xff000000;
  const Invert = 0xffffff;

  // Where texts are measured and their glyphs rasterised before they are put on a surface.
  let scratch = null;
  function scratchOf(side) {
    if (scratch === null) {
      const canvas = document.createElement('canvas');
      scratch = {canvas, ctx: canvas.getContext('2d', {willReadFrequently: true})};
    }
    if (scratch.canvas.width < side || scratch.canvas.height < side) {
      scratch.canvas.width = scratch.canvas.height = Math.max(side, scratch.canvas.width);
    }
    return scratch.ctx;
  }

  // Device pixel edges of logical pixel edges 0..count.
  function edges(count, scale, limit) {
    const list = new Int32Array(count + 1);
    for (let i = 0; i <= count; ++i) list[i] = Math.min(limit, Math.round(i * scale));
    return list;
  }

  function make(canvas, width, height) {
    const scale = window.devicePixelRatio || 1;
    const dw = Math.round(width * scale), dh = Math.round(height * scale);
    let ctx = null;
    if (canvas !== null) {
      canvas.width = dw;
      canvas.height = dh;
      // Read back by the tests and the layout check: kept in memory rather than on the GPU.
      ctx = canvas.getContext('2d', {alpha: false, willReadFrequently: true});
    }
    const image = dw > 0 && dh > 0 ? new ImageData(dw, dh) : null;
    const pixels = image === null ? new Uint32Array(0) : new Uint32Array(image.data.buffer);
    // An opaque canvas starts black.
    pixels.fill(opaque(0));
    const id = nextId++;
    surfaces.set(id, {canvas, ctx, image, pixels, width, height, scale, dw, dh, xs: edges(width, scale, dw),
      ys: edges(height, scale, dh), pen: {color: 0, width: 1, mode: 4, dashes: []}, brush: {color: 0xffffff, style: 0},
      font: null, clip: {left: 0, top: 0, right: width, bottom: height}, dirty: false});
    return id;
  }

  // The page canvas: sized for the screen and known by the returned id.
  function attach(canvas, width, height) {
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
    return make(canvas, width, height);
  }

  function create(width, height) { return make(null, width, height); }

  function release(id) { surfaces.delete(id); }

  // A page canvas shows its pixels once the script that changed them has ended, before the browser paints.
  function present(s) {
    if (s.dirty) {
      s.dirty = false;
      s.ctx.putImageData(s.image, 0, 0);
    }
  }
  function touch(s) {
    if (s.ctx !== null && !s.dirty) {
      s.dirty = true;
      queueMicrotask(() => present(s));
    }
  }

  // Logical pixels [left, right) x [top, bottom), within the clip, set to a colour or inverted.
  function fill(s, left, top, right, bottom, colour, invert) {
    const c = s.clip;
    if (left < c.left) left = c.left;
    if (top < c.top) top = c.top;
    if (right > c.right) right = c.right;
    if (bottom > c.bottom) bottom = c.bottom;
    if (left >= right || top >= bottom) return;
    const px = s.pixels, dw = s.dw;
    const x0 = s.xs[left], x1 = s.xs[right], y1 = s.ys[bottom];
    if (x0 === 0 && x1 === dw && !invert) {
      // Whole rows are one run.
      px.fill(colour, s.ys[top] * dw, y1 * dw);
      touch(s);
      return;
    }
    for (let y = s.ys[top]; y < y1; ++y) {
      const row = y * dw;
      if (invert) {
        for (let i = row + x0; i < row + x1; ++i) px[i] ^= Invert;
      } else if (x1 - x0 > 16) {
        px.fill(colour, row + x0, row + x1);
      } else {
        // Short runs are quicker written than handed to the library's fill.
        for (let i = row + x0; i < row + x1; ++i) px[i] = colour;
      }
    }
    touch(s);
  }

  // Along a dashed line, at each place of the pattern: whether it is drawn and how long its dash goes on.
  const patterns = new Map();
  function patternOf(dashes) {
    const key = dashes.join(',');
    let pattern = patterns.get(key);
    if (pattern === undefined) {
      const period = dashes.reduce((a, b) => a + b, 0), on = new Uint8Array(period), left = new Int32Array(period);
      for (let i = 0, at = 0; i < dashes.length; at += dashes[i++]) {
        for (let k = 0; k < dashes[i]; ++k) {
          on[at + k] = i % 2 === 0 ? 1 : 0;
          left[at + k] = dashes[i] - k;
        }
      }
      pattern = {period, on, left};
      patterns.set(key, pattern);
    }
    return pattern;
  }

  function pen(id, color, width, mode, dashes) {
    // The raster modes that invert what lies below; the others paint the pen's colour.
    const invert = mode === 15 || mode === 5 || mode === 14 || mode === 3;
    surfaces.get(id).pen = {color: opaque(color), width, invert, ...patternOf(dashes)};
  }
  function brush(id, color, style) { surfaces.get(id).brush = {color: opaque(color), style}; }

  // Liberation Sans' ascent and descent per pixel of size, read once at a large size.
  let metrics = null;
  function fontMetrics() {
    if (metrics === null) {
      const ctx = scratchOf(1);
      ctx.font = `1000px "${FontFamily}"`;
      const m = ctx.measureText('W');
      metrics = {ascent: m.fontBoundingBoxAscent / 1000, descent: m.fontBoundingBoxDescent / 1000};
    }
    return metrics;
  }

  const fontCss = (italic, bold, size) => `${italic ? 'italic ' : ''}${bold ? 'bold ' : ''}${size}px "${FontFamily}"`;

  function font(id, name, height, style, escapement, color) {
    const s = surfaces.get(id);
    const m = fontMetrics();
    // A negative height is the character height (the size), a positive one the cell height.
    const size = height < 0 ? -height : height / (m.ascent + m.descent);
    const ascent = Math.ceil(m.ascent * size);
    const cell = Math.max(ascent, Math.ceil((m.ascent + m.descent) * size));
    const bold = (style & 1) !== 0, italic = (style & 2) !== 0;
    const angle = escapement % 3600 === 0 ? 0 : escapement / 10 * Math.PI / 180;
    s.font = {css: fontCss(italic, bold, size), deviceCss: fontCss(italic, bold, size * s.scale), deviceSize: size * s.scale, size, bold, italic,
      ascent, cell, angle, cos: Math.cos(angle), sin: Math.sin(angle), color: opaque(color),
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
      if (glyphs !== undefined) {
        width = glyphs.reduce((a, b) => a + b, 0);
      } else {
        const ctx = scratchOf(1);
        ctx.font = key;
        ctx.fontKerning = 'none';
        width = Math.round(ctx.measureText(text).width);
      }
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

  // A text as the browser's rasteriser covers it: coverage bytes over a box relative to the text's origin on the
  // baseline, kept by font, colour and angle, since the same labels return with every redraw. Its glyphs are
  // placed on the desktop's advances where the table has them, at whole device pixels.
  const masks = new Map();
  function maskOf(s, f, text, width) {
    const key = `${f.deviceCss}|${f.color}|${f.angle}|${text}`;
    let mask = masks.get(key);
    if (mask !== undefined) return mask;
    // The box the text's frame turns into, with a font size of room on every side for what overhangs.
    const room = f.deviceSize, along = width * s.scale;
    const corners = [[-room, -2 * room], [along + room, -2 * room], [along + room, room], [-room, room]]
      .map(([u, v]) => [u * f.cos + v * f.sin, -u * f.sin + v * f.cos]);
    const ox = Math.ceil(-Math.min(...corners.map((c) => c[0]))), oy = Math.ceil(-Math.min(...corners.map((c) => c[1])));
    const sw = ox + Math.ceil(Math.max(...corners.map((c) => c[0]))) + 1;
    const sh = oy + Math.ceil(Math.max(...corners.map((c) => c[1]))) + 1;
    const ctx = scratchOf(Math.max(sw, sh));
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.clearRect(0, 0, sw, sh);
    ctx.translate(ox, oy);
    ctx.rotate(-f.angle);
    ctx.font = f.deviceCss;
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
        if (ch !== ' ') ctx.fillText(ch, Math.round(pos * s.scale), 0);
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
    const w = Math.max(0, right - left + 1), h = Math.max(0, bottom - top + 1);
    const alpha = new Uint8Array(w * h);
    for (let y = 0; y < h; ++y) {
      for (let x = 0; x < w; ++x) alpha[y * w + x] = data[((top + y) * sw + left + x) * 4 + 3];
    }
    mask = {x: left - ox, y: top - oy, w, h, alpha};
    if (masks.size >= 4096) masks.clear();
    masks.set(key, mask);
    return mask;
  }

  // One colour channel, below * (255 - a) + over * a, divided by 255 and rounded in integers.
  const mix = (below, over, a, k) => {
    const t = below * k + over * a + 128;
    return (t + (t >> 8)) >> 8;
  };

  // Lays a mask in a colour over the surface, its origin at device pixel (ox, oy), within the clip.
  function blend(s, mask, ox, oy, colour) {
    const c = s.clip, px = s.pixels, dw = s.dw;
    const x0 = Math.max(ox + mask.x, s.xs[c.left]), x1 = Math.min(ox + mask.x + mask.w, s.xs[c.right]);
    const y0 = Math.max(oy + mask.y, s.ys[c.top]), y1 = Math.min(oy + mask.y + mask.h, s.ys[c.bottom]);
    const r = colour & 0xff, g = (colour >> 8) & 0xff, b = (colour >> 16) & 0xff, alpha = mask.alpha;
    for (let y = y0; y < y1; ++y) {
      const from = (y - oy - mask.y) * mask.w - ox - mask.x;
      for (let x = x0; x < x1; ++x) {
        const a = alpha[from + x];
        if (a === 0) continue;
        const i = y * dw + x;
        if (a === 255) {
          px[i] = colour;
        } else {
          const old = px[i], k = 255 - a;
          px[i] = 0xff000000 | (mix((old >> 16) & 0xff, b, a, k) << 16) | (mix((old >> 8) & 0xff, g, a, k) << 8)
            | mix(old & 0xff, r, a, k);
        }
      }
    }
    touch(s);
  }

  function text(id, x, y, str, align, isOpaque, back) {
    const s = surfaces.get(id), f = s.font;
    const width = textWidth(s, str);
    const horizontal = align & 6, vertical = align & 24;
    const dx = horizontal === 2 ? -width : (horizontal === 6 ? -Math.trunc(width / 2) : 0);
    const baseline = vertical === 24 ? 0 : (vertical === 8 ? f.ascent - f.cell : f.ascent);
    // The text's own frame: u along the text, v down across it, from (x, y), turned by the font's angle.
    const at = (u, v) => [x + u * f.cos + v * f.sin, y - u * f.sin + v * f.cos];
    const band = (u, v, w, h, colour) => {
      if (f.angle === 0) {
        fill(s, x + u, y + v, x + u + w, y + v + h, colour, false);
      } else {
        const corners = [at(u, v), at(u + w, v), at(u + w, v + h), at(u, v + h)].flat().map(Math.round);
        fillSpans(s, polygonSpans(corners), colour, 0);
      }
    };
    if (isOpaque) band(dx, baseline - f.ascent, width, f.cell, opaque(back));
    const [ox, oy] = at(dx, baseline);
    blend(s, maskOf(s, f, str, width), Math.round(ox * s.scale), Math.round(oy * s.scale), f.color);
    const rule = Math.max(1, Math.round(f.cell / 13));
    if (f.underline) band(dx, baseline + 1, width, rule, f.color);
    if (f.strikeOut) band(dx, baseline - Math.round(f.ascent / 3), width, rule, f.color);
  }

  // The pixels of a line from (x0, y0) towards (x1, y1), the end point left out, with the pen's dashes; a pen
  // wider than a pixel paints a square of its width at each.
  function stroke(s, x0, y0, x1, y1) {
    const pen = s.pen;
    if (pen.width === 0 || (x0 === x1 && y0 === y1)) return;
    const size = pen.width, o = size > 1 ? Math.floor(size / 2) : 0, colour = pen.color, invert = pen.invert;
    const period = pen.period, on = pen.on;
    const dx = Math.abs(x1 - x0), dy = Math.abs(y1 - y0);
    const sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const steps = Math.max(dx, dy);
    // One device pixel a logical pixel: written here directly, the commonest case by far.
    const direct = size === 1 && s.scale === 1 && !invert;
    if ((dx === 0 || dy === 0) && (period === 0 || !direct)) {
      // A level or upright line: each dash, or the whole line, is one rectangle of the squares along it.
      for (let k = 0; k < steps;) {
        const phase = period > 0 ? k % period : 0;
        const end = period > 0 ? Math.min(steps, k + pen.left[phase]) : steps;
        if (period === 0 || on[phase]) {
          const ax = x0 + (dy === 0 ? sx * k : 0), bx = x0 + (dy === 0 ? sx * (end - 1) : 0);
          const ay = y0 + (dx === 0 ? sy * k : 0), by = y0 + (dx === 0 ? sy * (end - 1) : 0);
          fill(s, Math.min(ax, bx) - o, Math.min(ay, by) - o, Math.max(ax, bx) - o + size, Math.max(ay, by) - o + size,
            colour, invert);
        }
        k = end;
      }
      return;
    }
    const {left, top, right, bottom} = s.clip, px = s.pixels, dw = s.dw;
    if (dx === 0 || dy === 0) {
      // A dashed level or upright line, pixel by pixel along its row or column, inside the clip only.
      const [along, step, low, high] = dy === 0 ? [x0, sx, left, right] : [y0, sy, top, bottom];
      if (dy === 0 ? y0 < top || y0 >= bottom : x0 < left || x0 >= right) return;
      const first = step > 0 ? Math.max(0, low - along) : Math.max(0, along - (high - 1));
      const last = step > 0 ? Math.min(steps, high - along) : Math.min(steps, along - low + 1);
      const stride = dy === 0 ? step : step * dw;
      let i = y0 * dw + x0 + first * stride, phase = first % period;
      for (let k = first; k < last; ++k, i += stride) {
        if (on[phase] === 1) px[i] = colour;
        if (++phase === period) phase = 0;
      }
      touch(s);
      return;
    }
    let x = x0, y = y0, err = dx - dy, phase = 0;
    for (let k = 0; k < steps; ++k) {
      const drawn = period === 0 || on[phase] === 1;
      if (++phase === period) phase = 0;
      if (drawn) {
        if (!direct) {
          fill(s, x - o, y - o, x - o + size, y - o + size, colour, invert);
        } else if (x >= left && x < right && y >= top && y < bottom) {
          px[y * dw + x] = colour;
        }
      }
      const twice = 2 * err;
      if (twice > -dy) { err -= dy; x += sx; }
      if (twice < dx) { err += dx; y += sy; }
    }
    touch(s);
  }

  function line(id, x0, y0, x1, y1) { stroke(surfaces.get(id), x0, y0, x1, y1); }

  // A brush's fill of a whole-pixel area, given row by row as spans: y, x from, x to (left out), flat in one list.
  const hatches = {2: (x, y) => y % 8 === 7, 3: (x, y) => x % 8 === 7, 4: (x, y) => (x + y) % 8 === 7,
    5: (x, y) => (x - y + 64) % 8 === 0, 6: (x, y) => x % 8 === 7 || y % 8 === 7,
    7: (x, y) => (x + y) % 8 === 7 || (x - y + 64) % 8 === 0};
  function fillSpans(s, spans, colour, style) {
    if (style === 1) return;
    const hatch = hatches[style];
    for (let i = 0; i < spans.length; i += 3) {
      const y = spans[i], from = spans[i + 1], to = spans[i + 2];
      if (hatch === undefined) {
        fill(s, from, y, to, y + 1, colour, false);
      } else {
        for (let x = from; x < to; ++x) if (hatch(x, y)) fill(s, x, y, x + 1, y + 1, colour, false);
      }
    }
  }
  const brushSpans = (s, spans) => fillSpans(s, spans, s.brush.color, s.brush.style);

  function outline(s, points, closed) {
    const n = points.length / 2;
    for (let i = 0; i + 1 < n; ++i) stroke(s, points[2 * i], points[2 * i + 1], points[2 * i + 2], points[2 * i + 3]);
    if (closed && n > 1) stroke(s, points[2 * n - 2], points[2 * n - 1], points[0], points[1]);
  }

  function rect(id, left, top, right, bottom, withOutline) {
    const s = surfaces.get(id);
    if (s.brush.style !== 1) {
      if (hatches[s.brush.style] === undefined) {
        fill(s, left, top, right, bottom, s.brush.color, false);
      } else {
        const spans = [];
        for (let y = top; y < bottom; ++y) spans.push(y, left, right);
        brushSpans(s, spans);
      }
    }
    if (withOutline && right - left > 0 && bottom - top > 0) {
      outline(s, [left, top, right - 1, top, right - 1, bottom - 1, left, bottom - 1], true);
      if (right - left === 1 || bottom - top === 1) stroke(s, left, top, left, top + 1);
    }
  }

  // The rows a polygon covers where pixel centres lie inside (alternate rule), as spans. The lists are reused:
  // a redraw fills many small polygons.
  const spanList = [], crossings = [];
  function polygonSpans(points) {
    const n = points.length / 2;
    let top = Infinity, bottom = -Infinity;
    for (let i = 0; i < n; ++i) { top = Math.min(top, points[2 * i + 1]); bottom = Math.max(bottom, points[2 * i + 1]); }
    spanList.length = 0;
    for (let y = top; y < bottom; ++y) {
      const cy = y + 0.5;
      crossings.length = 0;
      for (let i = 0; i < n; ++i) {
        const ax = points[2 * i], ay = points[2 * i + 1];
        const bx = points[2 * ((i + 1) % n)], by = points[2 * ((i + 1) % n) + 1];
        if ((ay <= cy) !== (by <= cy)) {
          const x = ax + (cy - ay) * (bx - ax) / (by - ay);
          let j = crossings.length;
          for (; j > 0 && crossings[j - 1] > x; --j) crossings[j] = crossings[j - 1];
          crossings[j] = x;
        }
      }
      for (let i = 0; i + 1 < crossings.length; i += 2) {
        spanList.push(y, Math.ceil(crossings[i] - 0.5), Math.ceil(crossings[i + 1] - 0.5));
      }
    }
    return spanList;
  }

  // Polygons are filled first, then outlined with the pen.
  function polygon(id, points, closed) {
    const s = surfaces.get(id);
    if (closed && points.length > 4) brushSpans(s, polygonSpans(points));
    outline(s, points, closed);
  }

  function ellipse(id, left, top, right, bottom) {
    const s = surfaces.get(id);
    const cx = (left + right) / 2, cy = (top + bottom) / 2, a = (right - left) / 2, b = (bottom - top) / 2;
    if (a <= 0 || b <= 0) return;
    const spans = [];
    for (let y = top; y < bottom; ++y) {
      const t = (y + 0.5 - cy) / b;
      const half = a * Math.sqrt(Math.max(0, 1 - t * t));
      spans.push(y, Math.ceil(cx - half - 0.5), Math.ceil(cx + half - 0.5));
    }
    brushSpans(s, spans);
    if (s.pen.width === 0) return;
    const {color, invert} = s.pen;
    for (let i = 0; i < spans.length; i += 3) {
      const y = spans[i], from = spans[i + 1], to = spans[i + 2];
      if (to <= from) continue;
      if (i === 0 || i === spans.length - 3) {
        fill(s, from, y, to, y + 1, color, invert);
      } else {
        fill(s, from, y, from + 1, y + 1, color, invert);
        if (to - 1 > from) fill(s, to - 1, y, to, y + 1, color, invert);
      }
    }
  }

  // Counter-clockwise (as seen on screen) from the ray towards the start to the ray towards the end, through
  // points on the ellipse joined by whole-pixel lines; a pie also joins both ends to the centre and fills with
  // the brush. The same start and end give the whole ellipse.
  function arc(id, left, top, right, bottom, sx, sy, ex, ey, pie) {
    const s = surfaces.get(id);
    const cx = (left + right) / 2, cy = (top + bottom) / 2, a = (right - left) / 2 - 0.5, b = (bottom - top) / 2 - 0.5;
    if (a <= 0 || b <= 0) return;
    const angle = (x, y) => Math.atan2((y - cy) / b, (x - cx) / a);
    const from = angle(sx, sy);
    let to = angle(ex, ey);
    if (to >= from) to -= 2 * Math.PI;
    const steps = Math.max(8, Math.ceil((from - to) * Math.max(a, b) / 2));
    const points = pie ? [Math.round(cx), Math.round(cy)] : [];
    for (let i = 0; i <= steps; ++i) {
      const t = from + (to - from) * i / steps;
      points.push(Math.round(cx + a * Math.cos(t)), Math.round(cy + b * Math.sin(t)));
    }
    if (pie) brushSpans(s, polygonSpans(points));
    outline(s, points, pie);
  }

  function pixel(id, x, y, color) {
    const s = surfaces.get(id);
    fill(s, x, y, x + 1, y + 1, opaque(color), false);
  }

  function clip(id, left, top, right, bottom) {
    const s = surfaces.get(id);
    s.clip = {left: Math.max(0, left), top: Math.max(0, top), right: Math.min(s.width, right),
      bottom: Math.min(s.height, bottom)};
    if (s.clip.right < s.clip.left) s.clip.right = s.clip.left;
    if (s.clip.bottom < s.clip.top) s.clip.bottom = s.clip.top;
  }

  function unclip(id) {
    const s = surfaces.get(id);
    s.clip = {left: 0, top: 0, right: s.width, bottom: s.height};
  }

  // Another surface's pixels put at logical (x, y), within the clip.
  function copy(id, source, x, y) {
    const s = surfaces.get(id), from = surfaces.get(source), c = s.clip;
    const ox = Math.round(x * s.scale), oy = Math.round(y * s.scale);
    const x0 = Math.max(ox, s.xs[c.left]), x1 = Math.min(ox + from.dw, s.xs[c.right]);
    const y0 = Math.max(oy, s.ys[c.top]), y1 = Math.min(oy + from.dh, s.ys[c.bottom]);
    if (x0 >= x1) return;
    for (let row = y0; row < y1; ++row) {
      const start = (row - oy) * from.dw + x0 - ox;
      s.pixels.set(from.pixels.subarray(start, start + x1 - x0), row * s.dw + x0);
    }
    touch(s);
  }

  // The colour of one logical pixel as shown: a page canvas is read back from the canvas itself.
  function read(id, x, y) {
    const s = surfaces.get(id);
    const dx = Math.floor(x * s.scale), dy = Math.floor(y * s.scale);
    if (s.ctx === null) return s.pixels[dy * s.dw + dx] & 0xffffff;
    present(s);
    const d = s.ctx.getImageData(dx, dy, 1, 1).data;
    return d[0] | (d[1] << 8) | (d[2] << 16);
  }

  return {useAdvances, read, css, attach, create, release, pen, brush, font, measure, text, line, rect, polygon, ellipse, arc, pixel,
    clip, unclip, copy};
})();
