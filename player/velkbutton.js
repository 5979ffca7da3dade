/*
 * velkbutton.js: shows the button bar of a Wendle applet tag in a canvas.
 *
 * Every <applet code="velkbutton.class"> of the page is read (its WIDTH,
 * HEIGHT and PARAM values, exactly as Wendle writes them) and replaced by a
 * canvas that draws the bar pixel for pixel as Wendle's preview does, with
 * links, hints, status texts, sounds and text-box messages. Without
 * scripts the applet tag stays, and with it its alternative HTML.
 *
 * Put it beside the page and add, after the applet tag:
 *     <script src="velkbutton.js"></script>
 */
(function (global) {
  'use strict';

  // ---------------------------------------------------------------- params

  const TYPEFACES = [
    '"Times New Roman", "Liberation Serif", Tinos, serif',
    '"Courier New", "Liberation Mono", Cousine, monospace',
    'Arial, "Liberation Sans", Arimo, sans-serif',
  ];
  // The applet's font sizes and the point sizes they are drawn with.
  // prettier-ignore
  const POINT_SIZES = new Map([
    [8, 4], [10, 6], [12, 8], [14, 10], [16, 12], [18, 14], [20, 16],
    [22, 18], [24, 20], [26, 22], [28, 24], [36, 26], [48, 36], [72, 48],
  ]);
  // A caption layer starts in the preview window's font: Arial, 8 points.
  const DEFAULT_TYPEFACE = 2;
  const DEFAULT_POINTS = 8;
  // The text box's own typeface is Times New Roman.
  const TEXT_BOX_TYPEFACE = 0;
  const HEAD_FIELDS = 14;
  const STATE_FIELDS = 29;
  const BUTTON_FIELDS = HEAD_FIELDS + 3 * STATE_FIELDS + 1;

  function int(text) {
    const value = parseInt(text, 10);
    return Number.isFinite(value) ? value : 0;
  }

  // "RRGGBB" to 0xRRGGBB.
  function colour(text) {
    return /^[0-9A-Fa-f]{6}$/.test(text || '') ? parseInt(text, 16) : 0;
  }

  // Wendle writes one space for an empty text.
  function textOf(field) {
    return field === undefined || field === ' ' ? '' : field;
  }

  // A caption: every line followed by " ~ ".
  function captionLines(field) {
    const lines = (field || '').split(' ~ ');
    if (lines.length > 1 && lines[lines.length - 1] === '') lines.pop();
    return lines;
  }

  function readState(f) {
    const gradient = colour(f[23]);
    const bkColor = colour(f[4]);
    return {
      borderWidth: int(f[0]),
      borderStyle: int(f[1]),
      raised: f[2] === '0',
      borderShading: int(f[3]),
      bkColor,
      borderColor: colour(f[5]),
      imageName: textOf(f[6]),
      imageStyle: int(f[7]),
      imageX: int(f[8]),
      imageY: int(f[9]),
      caption: captionLines(f[10]),
      fontName: int(f[11]),
      fontSize: int(f[12]),
      fontStyle: int(f[13]),
      fontAlignment: int(f[14]),
      fontShadow: f[17] === '1',
      fontColor: colour(f[18]),
      fontShadowColor: colour(f[19]),
      status: textOf(f[20]),
      soundName: textOf(f[21]),
      // With the gradient off Wendle writes the background colour here.
      fade: gradient !== bkColor,
      fadeColor: gradient,
      transparentBk: f[24] === '1',
      highlight: f[25] === '0' || f[25] === undefined ? null : colour(f[25]),
    };
  }

  // Whether every field at these places is a whole number or a colour.
  const WHOLE = /^\s*-?\d+\s*$/;
  const HEX = /^[0-9A-Fa-f]{6}$/;
  function wellFormed(f, wholes, colours) {
    return (
      wholes.every((i) => WHOLE.test(f[i] ?? '')) && colours.every((i) => HEX.test(f[i] ?? ''))
    );
  }

  // A button's parameter text, or the reason it cannot be read.
  function readButton(value, ordinal) {
    const f = value.split('|');
    if (f.length < BUTTON_FIELDS)
      return `is cut short (${f.length - 1} of ${BUTTON_FIELDS} fields)`;
    const stateOk = (s) => {
      const at = (i) => HEAD_FIELDS + s * STATE_FIELDS + i;
      return wellFormed(f, [0, 1, 3, 7, 8, 9, 11, 12, 13, 14].map(at), [4, 5, 18, 19].map(at));
    };
    if (!wellFormed(f, [0, 1, 2, 3, 5, 6, 7], [8, 9, 10]) || ![0, 1, 2].every(stateOk)) {
      return 'has a field that is not a number or a colour';
    }
    const states = [0, 1, 2].map((s) =>
      readState(f.slice(HEAD_FIELDS + s * STATE_FIELDS, HEAD_FIELDS + (s + 1) * STATE_FIELDS)),
    );
    return {
      ordinal,
      width: int(f[0]),
      height: int(f[1]),
      left: int(f[2]),
      top: int(f[3]),
      hint: {
        text: textOf(f[4]),
        font: int(f[5]),
        size: int(f[6]),
        style: int(f[7]),
        bkColor: colour(f[8]),
        borderColor: colour(f[9]),
        textColor: colour(f[10]),
      },
      link: textOf(f[11]).trim(),
      frame: textOf(f[12]).trim(),
      states,
      message: textOf(f[HEAD_FIELDS + 3 * STATE_FIELDS]),
    };
  }

  // A canvas side the browsers all accept, and an area they all draw.
  const MAX_SIDE = 16384;
  const MAX_AREA = 1 << 26;

  // What keeps the bar from being drawn, naming the parameter and its
  // value; null when nothing does.
  function appletError(width, height, params) {
    const quoted = (v) => (v === null || v === undefined ? 'missing' : `"${v}"`);
    for (const [name, value] of [
      ['WIDTH', width],
      ['HEIGHT', height],
    ]) {
      const n = /^\s*\d+\s*$/.test(value ?? '') ? parseInt(value, 10) : NaN;
      if (!(n > 0 && n <= MAX_SIDE)) {
        return `${name} is ${quoted(value)}: it must be a whole number of pixels from 1 to ${MAX_SIDE}`;
      }
    }
    if (int(width) * int(height) > MAX_AREA) {
      return `WIDTH "${width}" and HEIGHT "${height}" make a bar larger than a browser draws`;
    }
    const checks = [
      ['GENERAL', 12, [0, 4, 5, 6], [2, 9, 10, 11], true],
      ['BORDER', 5, [0, 2, 3, 4], [1], true],
      ['TEXT BOX', 12, [0, 1, 2, 3, 4, 5, 6, 8, 11], [7, 9, 10], false],
    ];
    for (const [name, count, wholes, colours, required] of checks) {
      const value = params.get(name);
      if (value === undefined && !required) continue;
      const f = (value ?? '').split('|');
      if (value === undefined || f.length < count || !wellFormed(f, wholes, colours)) {
        return `the parameter ${name} is ${quoted(value)}: it needs ${count} fields separated by "|"`;
      }
    }
    return null;
  }

  // Everything the bar needs, from the applet element and its PARAMs.
  // error: why the bar cannot be drawn (null when it can); warnings: the
  // buttons left out, and why.
  function readApplet(width, height, params) {
    const g = (params.get('GENERAL') || '').split('|');
    const b = (params.get('BORDER') || '').split('|');
    const t = (params.get('TEXT BOX') || '').split('|');
    const bkColor = colour(g[2]);
    const gradient = g[11] === undefined ? bkColor : colour(g[11]);
    const buttons = [];
    const warnings = [];
    // A missing number is passed over; two in a row end the buttons.
    for (let n = 0; n < 99; n++) {
      const value = params.get(String(n));
      if (value === undefined) {
        if (!params.has(String(n + 1))) break;
        warnings.push(`the button parameter "${n}" is missing; the buttons after it are read`);
        continue;
      }
      const button = readButton(value, buttons.length);
      if (typeof button === 'string') {
        warnings.push(`the button parameter "${n}" ${button}; it is left out`);
      } else {
        buttons.push(button);
      }
    }
    return {
      width: Math.max(0, int(width)),
      height: Math.max(0, int(height)),
      bkColor,
      fade: gradient !== bkColor,
      fadeColor: gradient,
      imageName: textOf(g[3]),
      imageStyle: g[4] === undefined ? 1 : int(g[4]),
      imageX: int(g[5]),
      imageY: int(g[6]),
      loadText: textOf(g[8]),
      loadBkColor: colour(g[9]),
      loadFontColor: g[10] === undefined ? 0xffffff : colour(g[10]),
      border: {
        width: int(b[0]),
        colour: colour(b[1]),
        style: int(b[2]),
        raised: b[3] !== '1',
        shading: int(b[4]),
      },
      textBox: {
        left: int(t[0]),
        top: int(t[1]),
        width: int(t[2]),
        height: int(t[3]),
        font: int(t[4]),
        size: int(t[5]),
        style: int(t[6]),
        textColor: colour(t[7]),
        bkColor: colour(t[10]),
      },
      buttons,
      error: appletError(width, height, params),
      warnings,
    };
  }

  // ------------------------------------------------------ colour arithmetic

  const clamp = (v, lo, hi) => (v < lo ? lo : v > hi ? hi : v);

  // A shading delta is a 16-bit value: computed wide and clamped.
  const clampedDelta = (v) => clamp(v, -32768, 32767);

  function getColor(c, delta) {
    const shift = (v) => clamp(v + delta, 0, 255);
    return (shift(c >> 16) << 16) | (shift((c >> 8) & 255) << 8) | shift(c & 255);
  }

  function getIncrement(from, to, steps) {
    const d = to - from;
    return d !== 0 && steps !== 0 ? d / steps : d;
  }

  // A double as m * 2^e with m a whole number.
  function decompose(value) {
    const view = new DataView(new ArrayBuffer(8));
    view.setFloat64(0, value);
    const high = view.getUint32(0);
    const biased = (high >>> 20) & 0x7ff;
    let m = (BigInt(high & 0xfffff) << 32n) | BigInt(view.getUint32(4));
    if (biased) m |= 1n << 52n;
    const e = (biased || 1) - 1075;
    return [high >>> 31 ? -m : m, e];
  }

  // q / 2^s to the nearest whole number, ties to the even one (q >= 0).
  function roundShift(q, s) {
    const shift = BigInt(s);
    const n = q >> shift;
    const rest = q - (n << shift);
    const half = 1n << (shift - 1n);
    return rest > half || (rest === half && n & 1n) ? n + 1n : n;
  }

  // The nearest whole number to x * slope, ties to even, the product taken
  // with a 64-bit mantissa as the preview's extended precision takes it.
  // Only near a tie does that differ from double precision.
  function nearestStep(x, slope) {
    const p = x * slope;
    if (!(Math.abs(p) < 2048)) return p < 0 ? -2048 : 2048; // every channel saturates
    const fraction = p - Math.floor(p);
    if (Math.abs(fraction - 0.5) > 1e-6) return Math.floor(p + 0.5);
    const [m, e0] = decompose(slope);
    let q = BigInt(x) * m;
    const negative = q < 0n;
    if (negative) q = -q;
    let e = e0;
    const extra = q.toString(2).length - 64;
    if (extra > 0) {
      q = roundShift(q, extra);
      e += extra;
    }
    const n = e >= 0 ? q << BigInt(e) : roundShift(q, -e);
    return Number(negative ? -n : n);
  }

  function channelAt(start, slope, x) {
    return slope === 0 ? start : clamp(start + nearestStep(x, slope), 0, 255);
  }

  // The colour of each gradient column x, as a function of x.
  function gradientColours(start, end, inset, width) {
    const steps = width - 2 * inset;
    const channel = (c, shift) => {
      const from = (c >> shift) & 255;
      return { from, slope: getIncrement(from, (end >> shift) & 255, steps) };
    };
    const [r, g, b] = [channel(start, 16), channel(start, 8), channel(start, 0)];
    return (x) =>
      (channelAt(r.from, r.slope, x) << 16) |
      (channelAt(g.from, g.slope, x) << 8) |
      channelAt(b.from, b.slope, x);
  }

  // ------------------------------------------------------ exact primitives

  // Pixel-exact drawing on a surface covering `area` of a drawing's
  // coordinates: a line includes its start and excludes its end.
  const Primitives = {
    line(s, x0, y0, x1, y1, c) {
      if (y0 === y1 && x0 !== x1) {
        if (x1 > x0) s.fill(x0, y0, x1, y0 + 1, c);
        else s.fill(x1 + 1, y0, x0 + 1, y0 + 1, c);
      } else if (x0 === x1 && y0 !== y1) {
        if (y1 > y0) s.fill(x0, y0, x0 + 1, y1, c);
        else s.fill(x0, y1 + 1, x0 + 1, y0 + 1, c);
      }
    },
    // Columns l and r - 1, rows t and b - 1.
    outline(s, l, t, r, b, c) {
      if (r <= l || b <= t) return;
      s.fill(l, t, r, t + 1, c);
      s.fill(l, b - 1, r, b, c);
      s.fill(l, t, l + 1, b, c);
      s.fill(r - 1, t, r, b, c);
    },
  };

  function fadeBackground(s, start, end, b, w, h) {
    const lastColumn = w - b - 1;
    const endRow = h - b;
    if (lastColumn < b || endRow === b) return;
    // Each column runs from row b towards row h - b, that row left out.
    const top = endRow > b ? b : endRow + 1;
    const bottom = endRow > b ? endRow : b + 1;
    const x0 = Math.max(b, s.area.left);
    const x1 = Math.min(lastColumn, s.area.right - 1);
    const colourAt = gradientColours(start, end, b, w);
    let runStart = x0;
    let runColour = colourAt(x0);
    for (let x = x0 + 1; x <= x1 + 1; x++) {
      const c = x <= x1 ? colourAt(x) : -1;
      if (c !== runColour) {
        s.fill(runStart, top, x, bottom, runColour);
        runStart = x;
        runColour = c;
      }
    }
  }

  function borderPens(look, shift) {
    const up = getColor(look.colour, shift);
    const down = getColor(look.colour, clampedDelta(-shift));
    return look.raised ? [up, down] : [down, up];
  }

  function drawRing(s, w, h, i, [first, second]) {
    Primitives.line(s, i, i, w - i - 1, i, first);
    Primitives.line(s, i, i, i, h - i - 1, first);
    Primitives.line(s, i, h - i - 1, w - i, h - i - 1, second);
    Primitives.line(s, w - i - 1, i, w - i - 1, h - i - 1, second);
  }

  function drawFrame(s, w, h, look) {
    const bw = look.width;
    for (let i = 0; i <= bw; i++) {
      Primitives.outline(
        s,
        i,
        i,
        i + Math.max(w - 2 * i, 0),
        i + Math.max(h - 2 * i, 0),
        look.colour,
      );
    }
    const [first, second] = borderPens(look, 70);
    const line = (x0, y0, x1, y1, c) => Primitives.line(s, x0, y0, x1, y1, c);
    line(0, 0, w, 0, first);
    line(0, 1, 0, h, first);
    line(bw + 1, h - bw - 1, w - bw, h - bw - 1, first);
    line(w - bw - 1, h - bw - 1, w - bw - 1, bw - 1, first);
    line(0, h - 1, w, h - 1, second);
    line(w - 1, h - 1, w - 1, 0, second);
    line(bw + 1, bw, w - bw - 1, bw, second);
    line(bw, bw, bw, h - bw - 1, second);
  }

  // Frame (1), Bevel (2) or Bump (3), raised or lowered.
  function drawBorder(s, w, h, look) {
    if (look.width < 1) return;
    if (look.style === 1) drawFrame(s, w, h, look);
    if (look.style === 2) {
      const pens = borderPens(look, 70);
      for (let i = 0; i < look.width; i++) drawRing(s, w, h, i, pens);
    }
    if (look.style === 3) {
      const factor = clampedDelta(look.shading);
      for (let i = 0; i < look.width; i++) {
        drawRing(s, w, h, i, borderPens(look, clampedDelta(factor * (look.width - i))));
      }
    }
  }

  function drawHighlight(s, w, h, c) {
    Primitives.line(s, 0, 0, w - 1, 0, c);
    Primitives.line(s, 0, 0, 0, h - 1, c);
    Primitives.line(s, 0, h - 1, w, h - 1, c);
    Primitives.line(s, w - 1, 0, w - 1, h - 1, c);
  }

  // Free, Center, Left, Right, Tile or Resize; divisions truncate.
  function placeImage(s, picture, w, h, style, imageX, imageY, borderWidth) {
    const iw = picture.width;
    const ih = picture.height;
    const half = (v) => Math.trunc(v / 2);
    if (style === 0) s.picture(picture, imageX, imageY);
    if (style === 1) s.picture(picture, half(w - iw), half(h - ih));
    if (style === 2) s.picture(picture, borderWidth, half(h - ih));
    if (style === 3) s.picture(picture, w - borderWidth - iw, half(h - ih));
    if (style === 4 && iw > 0 && ih > 0) {
      const a = s.area;
      // Copies at (c * iw, r * ih) for r = 0..h div ih and c = 0..w div iw;
      // only those that reach the surface's area are drawn.
      const lastRow = Math.min(Math.trunc(h / ih), Math.trunc(a.bottom / ih) + 1);
      const lastColumn = Math.min(Math.trunc(w / iw), Math.trunc(a.right / iw) + 1);
      for (let r = Math.max(0, Math.trunc(a.top / ih) - 1); r <= lastRow; r++) {
        for (let c = Math.max(0, Math.trunc(a.left / iw) - 1); c <= lastColumn; c++) {
          s.picture(picture, c * iw, r * ih);
        }
      }
    }
    if (style === 5) s.stretched(picture, 0, 0, w, h);
  }

  // The picture pixel under the centre of target pixel t of a stretch.
  const sourcePixel = (t, size, span) => Math.floor(((2 * t + 1) * size) / (2 * span));

  // ------------------------------------------------------- canvas surfaces

  // A drawing surface at one canvas pixel per applet pixel, starting black
  // as the preview's rasters do.
  class Surface {
    constructor(area) {
      this.area = area;
      this.canvas = document.createElement('canvas');
      this.canvas.width = Math.max(area.right - area.left, 1);
      this.canvas.height = Math.max(area.bottom - area.top, 1);
      this.ctx = this.canvas.getContext('2d', { alpha: false });
      this.ctx.imageSmoothingEnabled = false;
      this.ctx.translate(-area.left, -area.top);
    }

    fill(l, t, r, b, c) {
      if (r <= l || b <= t) return;
      this.ctx.fillStyle = css(c);
      this.ctx.fillRect(l, t, r - l, b - t);
    }

    // Unscaled, clipped; transparent pixels leave what lies beneath.
    picture(picture, x, y) {
      this.ctx.drawImage(picture.source, x, y);
    }

    surface(other, x, y) {
      this.ctx.drawImage(other.canvas, x + other.area.left, y + other.area.top);
    }

    // Row by row, then column by column, so that each target pixel takes
    // exactly the picture pixel under its centre.
    stretched(picture, l, t, r, b) {
      const dw = r - l;
      const dh = b - t;
      const x0 = Math.max(l, this.area.left);
      const x1 = Math.min(r, this.area.right);
      const y0 = Math.max(t, this.area.top);
      const y1 = Math.min(b, this.area.bottom);
      if (dw <= 0 || dh <= 0 || !picture.width || !picture.height || x0 >= x1 || y0 >= y1) return;
      const rows = document.createElement('canvas');
      rows.width = picture.width;
      rows.height = y1 - y0;
      const rowsCtx = rows.getContext('2d');
      for (let y = y0; y < y1; y++) {
        const sy = sourcePixel(y - t, picture.height, dh);
        rowsCtx.drawImage(picture.source, 0, sy, picture.width, 1, 0, y - y0, picture.width, 1);
      }
      for (let x = x0; x < x1; x++) {
        const sx = sourcePixel(x - l, picture.width, dw);
        this.ctx.drawImage(rows, sx, 0, 1, y1 - y0, x, y0, 1, y1 - y0);
      }
    }
  }

  function css(c) {
    return '#' + (c & 0xffffff).toString(16).padStart(6, '0');
  }

  // ------------------------------------------------------------- captions

  // A font by the applet's typeface index, font size and style; a value
  // outside the tables leaves the default.
  function fontOf(typeface, fontSize, style, defaultTypeface = DEFAULT_TYPEFACE) {
    const points = POINT_SIZES.get(fontSize) ?? DEFAULT_POINTS;
    const family = TYPEFACES[typeface] ?? TYPEFACES[defaultTypeface];
    const pixels = Math.round((points * 96) / 72);
    return `${style === 1 ? 'italic ' : ''}${style === 2 ? 'bold ' : ''}${pixels}px ${family}`;
  }

  let measuring = null;
  function measurer(font) {
    if (!measuring) {
      measuring = document.createElement('canvas').getContext('2d');
      measuring.fontKerning = 'none';
    }
    measuring.font = font;
    return measuring;
  }

  // Ascent and line height of a font, whole pixels.
  function lineMetrics(font) {
    const m = measurer(font).measureText('W');
    const ascent = Math.ceil(m.fontBoundingBoxAscent);
    const descent = Math.ceil(m.fontBoundingBoxDescent);
    return { ascent, height: ascent + descent };
  }

  // The width of a text in whole pixels as the preview measures it: each
  // character's advance cut to 1/64 pixel, the sum rounded.
  const advances = new Map();
  function advance(font, text) {
    let widths = advances.get(font);
    if (!widths) advances.set(font, (widths = new Map()));
    let sum = 0;
    for (const ch of text) {
      let w = widths.get(ch);
      if (w === undefined) {
        w = Math.floor(measurer(font).measureText(ch).width * 64);
        widths.set(ch, w);
      }
      sum += w;
    }
    return Math.floor((sum + 32) / 64);
  }

  // Greedy word wrap within width; a word wider than the box stays whole.
  function wrap(paragraph, font, width) {
    const lines = [];
    const trimEnd = (t) => t.replace(/ +$/, '');
    if (paragraph === '') return [''];
    let start = 0;
    while (start < paragraph.length) {
      let fitted = -1;
      let end = start;
      while (end < paragraph.length) {
        while (end < paragraph.length && paragraph[end] === ' ') end++;
        while (end < paragraph.length && paragraph[end] !== ' ') end++;
        const wide = advance(font, trimEnd(paragraph.slice(start, end))) > width;
        if (fitted >= 0 && wide) break;
        fitted = end;
        if (wide) break;
      }
      lines.push(trimEnd(paragraph.slice(start, fitted)));
      start = fitted;
      while (start < paragraph.length && paragraph[start] === ' ') start++;
    }
    return lines;
  }

  // Lines placed left (1), centred (2) or right (3) in a box w x h, the
  // block centred vertically.
  function layOut(paragraphs, font, w, h, alignment) {
    const { ascent, height } = lineMetrics(font);
    const lines = paragraphs.flatMap((p) => wrap(p, font, w));
    const blockTop = Math.trunc((h - lines.length * height) / 2);
    return lines.map((text, i) => {
      const width = advance(font, text);
      const x = alignment === 2 ? Math.trunc((w - width) / 2) : alignment === 3 ? w - width : 0;
      return { text, x, top: blockTop + i * height, width, ascent, height };
    });
  }

  // The caption layers of a face: the shadow (one pixel up and left) and
  // the main text, each clipped to its box within the face.
  function captionLayers(face, w, h) {
    const font = fontOf(face.fontName, face.fontSize, face.fontStyle);
    const alignment = face.fontAlignment >= 1 && face.fontAlignment <= 3 ? face.fontAlignment : 1;
    const lines = layOut(face.caption, font, w, h, alignment);
    const layers = [];
    if (face.fontShadow) {
      layers.push({
        font,
        lines,
        colour: face.fontShadowColor,
        dx: -1,
        dy: -1,
        clip: { left: 0, top: 0, right: w - 1, bottom: h - 1 },
      });
    }
    layers.push({
      font,
      lines,
      colour: face.fontColor,
      dx: 0,
      dy: 0,
      clip: { left: 0, top: 0, right: w, bottom: h },
    });
    return layers;
  }

  // ----------------------------------------------------------- the drawing

  function intersect(a, b) {
    return {
      left: Math.max(a.left, b.left),
      top: Math.max(a.top, b.top),
      right: Math.min(a.right, b.right),
      bottom: Math.min(a.bottom, b.bottom),
    };
  }
  const isEmpty = (r) => r.right <= r.left || r.bottom <= r.top;
  const rect = (left, top, width, height) => ({
    left,
    top,
    right: left + width,
    bottom: top + height,
  });

  function drawCanvasLayer(applet, picture) {
    const w = applet.width;
    const h = applet.height;
    const s = new Surface(rect(0, 0, w, h));
    if (applet.fade) fadeBackground(s, applet.bkColor, applet.fadeColor, applet.border.width, w, h);
    else s.fill(0, 0, w, h, applet.bkColor);
    if (picture) {
      placeImage(
        s,
        picture,
        w,
        h,
        applet.imageStyle,
        applet.imageX,
        applet.imageY,
        applet.border.width,
      );
    }
    drawBorder(s, w, h, applet.border);
    return s;
  }

  // One face of one button state, over the part of it inside the applet.
  function drawFace(button, face, picture, canvasLayer, applet) {
    const w = button.width;
    const h = button.height;
    const area = intersect(
      rect(0, 0, w, h),
      rect(-button.left, -button.top, applet.width, applet.height),
    );
    if (w <= 0 || h <= 0 || isEmpty(area)) return null;
    const s = new Surface(area);
    if (face.transparentBk) s.surface(canvasLayer, -button.left, -button.top);
    else if (face.fade) fadeBackground(s, face.bkColor, face.fadeColor, face.borderWidth, w, h);
    else s.fill(0, 0, w, h, face.bkColor);
    if (picture && !face.transparentBk) {
      placeImage(s, picture, w, h, face.imageStyle, face.imageX, face.imageY, face.borderWidth);
    }
    drawBorder(s, w, h, {
      style: face.borderStyle,
      raised: face.raised,
      width: face.borderWidth,
      shading: face.borderShading,
      colour: face.borderColor,
    });
    if (face.highlight !== null) drawHighlight(s, w, h, face.highlight);
    return { surface: s, captions: captionLayers(face, w, h) };
  }

  // The text box: a one-pixel raised edge around its background.
  function drawTextBoxLayer(box, applet) {
    const w = box.width;
    const h = box.height;
    const area = intersect(
      rect(0, 0, w, h),
      rect(-box.left, -box.top, applet.width, applet.height),
    );
    if (w <= 0 || h <= 0 || isEmpty(area)) return null;
    const s = new Surface(area);
    Primitives.line(s, 0, 0, w, 0, 0xffffff);
    Primitives.line(s, 0, 0, 0, h, 0xffffff);
    Primitives.line(s, w - 1, 0, w - 1, h, 0x808080);
    Primitives.line(s, 0, h - 1, w, h - 1, 0x808080);
    s.fill(1, 1, w - 1, h - 1, box.bkColor);
    return s;
  }

  // ------------------------------------------------------- files and sound

  // The picture formats the preview reads, by the same case-sensitive rule.
  const PICTURE_ENDINGS = ['.gif', '.GIF', '.jpg', '.JPG'];

  function loadPicture(name, cache) {
    if (!name || !PICTURE_ENDINGS.includes(name.slice(name.lastIndexOf('.')))) {
      return Promise.resolve(null);
    }
    if (!cache.has(name)) {
      const image = new Image();
      image.src = name;
      cache.set(
        name,
        image.decode().then(
          () => ({ source: image, width: image.naturalWidth, height: image.naturalHeight }),
          () => {
            global.console?.warn(
              `velkbutton.js: the picture "${name}" could not be loaded; the bar is drawn without it`,
            );
            return null;
          },
        ),
      );
    }
    return cache.get(name);
  }

  // Sun/NeXT audio (.au): mu-law, A-law, 8 to 32-bit linear PCM and floats.
  function decodeAu(bytes) {
    const data = new DataView(bytes.buffer || bytes, bytes.byteOffset || 0, bytes.byteLength);
    if (data.byteLength < 24 || data.getUint32(0) !== 0x2e736e64) return null;
    const offset = data.getUint32(4);
    const declared = data.getUint32(8);
    const encoding = data.getUint32(12);
    const sampleRate = data.getUint32(16);
    const channels = data.getUint32(20);
    const readers = {
      1: [1, (p) => muLaw(data.getUint8(p)) / 32768],
      2: [1, (p) => data.getInt8(p) / 128],
      3: [2, (p) => data.getInt16(p) / 32768],
      4: [3, (p) => ((data.getInt8(p) << 16) | data.getUint16(p + 1)) / 8388608],
      5: [4, (p) => data.getInt32(p) / 2147483648],
      6: [4, (p) => data.getFloat32(p)],
      7: [8, (p) => data.getFloat64(p)],
      27: [1, (p) => aLaw(data.getUint8(p)) / 32768],
    };
    if (!readers[encoding] || !channels || !sampleRate || offset > data.byteLength) return null;
    const [size, read] = readers[encoding];
    const available = data.byteLength - offset;
    const length = declared === 0xffffffff ? available : Math.min(declared, available);
    const frames = Math.floor(length / (size * channels));
    const samples = Array.from({ length: channels }, () => new Float32Array(frames));
    for (let i = 0; i < frames; i++) {
      for (let c = 0; c < channels; c++) {
        samples[c][i] = read(offset + (i * channels + c) * size);
      }
    }
    return { sampleRate, samples };
  }

  function muLaw(u) {
    const v = ~u & 0xff;
    const magnitude = ((((v & 0x0f) << 3) + 0x84) << ((v >> 4) & 7)) - 0x84;
    return v & 0x80 ? 0 - magnitude : magnitude;
  }

  function aLaw(a) {
    const v = a ^ 0x55;
    const exponent = (v >> 4) & 7;
    const mantissa = v & 0x0f;
    const magnitude = exponent ? ((mantissa << 4) + 0x108) << (exponent - 1) : (mantissa << 4) + 8;
    return v & 0x80 ? magnitude : -magnitude;
  }

  // Sounds are fetched once and played through Web Audio; where a page read
  // from disk may not fetch, a media element plays what the browser knows.
  class Sounds {
    constructor() {
      this.bytes = new Map();
      this.context = null;
    }

    prefetch(name) {
      if (!name || this.bytes.has(name)) return;
      const fetched =
        location.protocol === 'file:'
          ? Promise.resolve(null)
          : fetch(name).then(
              (r) => (r.ok ? r.arrayBuffer() : null),
              () => null,
            );
      this.bytes.set(name, fetched);
    }

    async play(name) {
      if (!name) return;
      this.prefetch(name);
      const bytes = await this.bytes.get(name);
      if (!bytes) {
        new Audio(name).play().catch(() => {});
        return;
      }
      const AudioContextClass = global.AudioContext || global.webkitAudioContext;
      if (!AudioContextClass) return;
      if (!this.context) this.context = new AudioContextClass();
      const context = this.context;
      if (context.state === 'suspended') context.resume().catch(() => {});
      let buffer;
      const au = decodeAu(new Uint8Array(bytes));
      if (au) {
        buffer = context.createBuffer(au.samples.length, au.samples[0].length || 1, au.sampleRate);
        au.samples.forEach((channel, c) => buffer.copyToChannel(channel, c));
      } else {
        buffer = await context.decodeAudioData(bytes.slice(0)).catch(() => null);
        if (!buffer) return;
      }
      const source = context.createBufferSource();
      source.buffer = buffer;
      source.connect(context.destination);
      source.start();
    }
  }

  // ------------------------------------------------------------- the bar

  // The bar's landmark name.
  const NAVIGATION_LABEL = 'Site';

  // Moves an element by less than a device pixel so that its corner lies on
  // one: every edge inside it then does too, and nothing is blended. A
  // canvas moves by a relative offset (browsers smooth what a transform
  // with a fraction in it moves); the exported bar by a translation, which
  // is not rounded to the layout's units.
  function snapToDevicePixels(element, { translate = false } = {}) {
    if (!element?.isConnected) return;
    const ratio = global.devicePixelRatio || 1;
    if (translate) element.style.translate = '';
    const r = element.getBoundingClientRect();
    const off = (v) => (Math.round(v * ratio) - v * ratio) / ratio;
    const [dx, dy] = [off(r.left + global.scrollX), off(r.top + global.scrollY)];
    if (translate) {
      if (dx || dy) element.style.translate = `${dx}px ${dy}px`;
      return;
    }
    const left = (parseFloat(element.style.left) || 0) + dx;
    const top = (parseFloat(element.style.top) || 0) + dy;
    element.style.left = left ? `${left}px` : '';
    element.style.top = top ? `${top}px` : '';
  }

  const HIDDEN_TEXT =
    'position:absolute;width:1px;height:1px;overflow:hidden;' +
    'clip-path:inset(50%);white-space:nowrap;';

  const log = (kind, text) => global.console?.[kind](`velkbutton.js: ${text}`);

  // How long the bar waits for its pictures before it is drawn without the
  // late ones, which are painted in when they come.
  const PICTURE_WAIT_MS = 3000;

  class Bar {
    constructor(element) {
      const params = new Map();
      for (const param of element.querySelectorAll('param')) {
        const name = (param.getAttribute('name') || '').trim().toUpperCase();
        if (!params.has(name)) params.set(name, param.getAttribute('value') ?? '');
      }
      this.applet = readApplet(
        element.getAttribute('width'),
        element.getAttribute('height'),
        params,
      );
      this.source = element;
      this.sounds = new Sounds();
      this.buttons = [];
      this.message = null;
      this.layers = null;
      this.shownText = [];
      this.ready = this.start();
    }

    // The applet tag, with its alternative HTML, stays until the bar is
    // drawn; whatever keeps the bar from being drawn leaves it there and
    // says why.
    async start() {
      try {
        if (this.applet.error) throw new Error(this.applet.error);
        for (const warning of this.applet.warnings) log('warn', warning);
        this.buildElements(this.source);
        await this.load();
        this.source.remove();
        snapToDevicePixels(this.element);
        global.addEventListener('resize', () => snapToDevicePixels(this.element));
        return this;
      } catch (error) {
        this.element?.remove();
        this.element = null;
        log('error', `${error.message}; the alternative HTML stays in the page`);
        return null;
      }
    }

    buildElements(element) {
      const { width, height } = this.applet;
      const wrapper = document.createElement('nav');
      for (const name of ['id', 'class', 'style']) {
        if (element.hasAttribute(name)) wrapper.setAttribute(name, element.getAttribute(name));
      }
      wrapper.classList.add('velkbutton');
      wrapper.setAttribute('aria-label', NAVIGATION_LABEL);
      wrapper.style.cssText +=
        `;display:inline-block;position:relative;` +
        `width:${width}px;height:${height}px;vertical-align:baseline;`;
      this.canvas = document.createElement('canvas');
      this.canvas.style.cssText = `display:block;width:${width}px;height:${height}px;`;
      this.canvas.setAttribute('aria-hidden', 'true');
      this.status = document.createElement('span');
      this.status.setAttribute('aria-live', 'polite');
      this.status.style.cssText = HIDDEN_TEXT;
      this.tip = document.createElement('span');
      this.tip.setAttribute('role', 'tooltip');
      this.tip.setAttribute('aria-hidden', 'true');
      this.tip.hidden = true;
      wrapper.append(this.canvas, this.status, this.tip);
      // The loading message shows in the bar's place; the alternative
      // HTML stays beside it until the bar is drawn.
      element.before(wrapper);
      this.element = wrapper;
    }

    async load() {
      this.paintLoading();
      // The alternative HTML beside the bar may still move it while the
      // page settles: it is kept on whole device pixels frame by frame.
      const keepSnapped = () => {
        snapToDevicePixels(this.element);
        if (!this.layers && this.element) global.requestAnimationFrame(keepSnapped);
      };
      global.requestAnimationFrame(keepSnapped);
      const cache = new Map();
      const late = [];
      const { applet } = this;
      const picture = (name) => {
        const loading = loadPicture(name, cache);
        let timer;
        const deadline = new Promise((resolve) => {
          timer = setTimeout(() => {
            if (!late.some((l) => l.name === name)) {
              log(
                'warn',
                `the picture "${name}" has not arrived after ${PICTURE_WAIT_MS / 1000} s; the bar is drawn without it until it does`,
              );
              late.push({ name, loading });
            }
            resolve(null);
          }, PICTURE_WAIT_MS);
        });
        return Promise.race([loading, deadline]).finally(() => clearTimeout(timer));
      };
      const pictures = async (load) => {
        const [background, faces] = await Promise.all([
          load(applet.imageName),
          Promise.all(
            applet.buttons.map((b) => Promise.all(b.states.map((f) => load(f.imageName)))),
          ),
        ]);
        return { background, faces };
      };
      this.drawLayers(await pictures(picture));
      this.buttons = applet.buttons.map((b) => this.buildButton(b));
      this.attachTip();
      for (const b of applet.buttons) {
        for (const face of b.states) this.sounds.prefetch(face.soundName);
      }
      this.paint();
      this.watchPixelRatio();
      if (late.length) {
        // Late pictures are painted in once they are all there.
        Promise.all(late.map((l) => l.loading)).then(async () => {
          this.drawLayers(await pictures((name) => loadPicture(name, cache)));
          this.paint();
        });
      }
      return this;
    }

    drawLayers({ background, faces }) {
      const { applet } = this;
      const canvasLayer = drawCanvasLayer(applet, background);
      this.layers = {
        canvas: canvasLayer,
        faces: applet.buttons.map((b, n) =>
          b.states.map((face, s) => drawFace(b, face, faces[n][s], canvasLayer, applet)),
        ),
        textBox: drawTextBoxLayer(applet.textBox, applet),
      };
    }

    // Canvas pixels per applet pixel. The canvas is as many CSS pixels as
    // its own pixels cover on the screen, and the bar is moved onto whole
    // device pixels, so that one canvas pixel is one device pixel at any
    // device pixel ratio. A canvas the browser refuses is an error.
    sizeCanvas() {
      const ratio = global.devicePixelRatio || 1;
      const width = Math.max(1, Math.round(this.applet.width * ratio));
      const height = Math.max(1, Math.round(this.applet.height * ratio));
      if (this.canvas.width !== width) this.canvas.width = width;
      if (this.canvas.height !== height) this.canvas.height = height;
      const ctx = this.canvas.getContext('2d', { alpha: false });
      if (!ctx || this.canvas.width !== width || this.canvas.height !== height) {
        throw new Error(`the browser refused a canvas of ${width} x ${height} pixels`);
      }
      this.canvas.style.width = `${width / ratio}px`;
      this.canvas.style.height = `${height / ratio}px`;
      snapToDevicePixels(this.element);
      ctx.imageSmoothingEnabled = false;
      ctx.fontKerning = 'none';
      return { ctx, ratio: width / Math.max(this.applet.width, 1) };
    }

    watchPixelRatio() {
      const query = global.matchMedia?.(`(resolution: ${global.devicePixelRatio || 1}dppx)`);
      query?.addEventListener(
        'change',
        () => {
          this.paint();
          this.watchPixelRatio();
        },
        { once: true },
      );
    }

    paintLoading() {
      const { ctx, ratio } = this.sizeCanvas();
      const { applet } = this;
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      ctx.fillStyle = css(applet.loadBkColor);
      ctx.fillRect(0, 0, this.canvas.width, this.canvas.height);
      ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
      ctx.font = fontOf(DEFAULT_TYPEFACE, 12, 0);
      ctx.fillStyle = css(applet.loadFontColor);
      ctx.textAlign = 'center';
      ctx.textBaseline = 'middle';
      ctx.fillText(applet.loadText, applet.width / 2, applet.height / 2);
    }

    // Draws a layer (applet pixels at x, y) on whole canvas pixels.
    blit(ctx, ratio, surface, x, y) {
      const a = surface.area;
      const l = Math.round((x + a.left) * ratio);
      const t = Math.round((y + a.top) * ratio);
      const r = Math.round((x + a.right) * ratio);
      const b = Math.round((y + a.bottom) * ratio);
      ctx.drawImage(surface.canvas, 0, 0, a.right - a.left, a.bottom - a.top, l, t, r - l, b - t);
    }

    paintText(ctx, layers, x, y) {
      this.shownText.push({ x, y, layers });
      for (const layer of layers) {
        ctx.save();
        ctx.beginPath();
        ctx.rect(
          x + layer.clip.left,
          y + layer.clip.top,
          layer.clip.right - layer.clip.left,
          layer.clip.bottom - layer.clip.top,
        );
        ctx.clip();
        ctx.font = layer.font;
        ctx.fillStyle = css(layer.colour);
        ctx.textAlign = 'left';
        ctx.textBaseline = 'alphabetic';
        for (const line of layer.lines) {
          ctx.fillText(line.text, x + layer.dx + line.x, y + layer.dy + line.top + line.ascent);
        }
        ctx.restore();
      }
    }

    // The whole bar: canvas, the faces back to front (the first button is
    // the front one) each with its caption, then the text box.
    paint() {
      if (!this.layers) return;
      const { ctx, ratio } = this.sizeCanvas();
      const { applet, layers } = this;
      this.shownText = [];
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      this.blit(ctx, ratio, layers.canvas, 0, 0);
      for (let n = applet.buttons.length - 1; n >= 0; n--) {
        const b = applet.buttons[n];
        const face = layers.faces[n][this.stateOf(n) - 1];
        if (!face) continue;
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        this.blit(ctx, ratio, face.surface, b.left, b.top);
        ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
        this.paintText(ctx, face.captions, b.left, b.top);
      }
      const box = applet.textBox;
      if (layers.textBox) {
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        this.blit(ctx, ratio, layers.textBox, box.left, box.top);
        if (this.message) {
          const font = fontOf(box.font, box.size, box.style, TEXT_BOX_TYPEFACE);
          const lines = layOut(this.message.split(/\r\n|\r|\n/), font, box.width, box.height, 2);
          ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
          this.paintText(
            ctx,
            [
              {
                font,
                lines,
                colour: box.textColor,
                dx: 0,
                dy: 0,
                clip: { left: 1, top: 1, right: box.width - 1, bottom: box.height - 1 },
              },
            ],
            box.left,
            box.top,
          );
        }
      }
    }

    // 1 at rest, 2 under the pointer or with keyboard focus, 3 pressed.
    stateOf(n) {
      const b = this.buttons[n];
      if (!b) return 1;
      if (b.pressed) return 3;
      return b.hovered || b.focused ? 2 : 1;
    }

    // Where the text now shown (captions, text-box message) may land: the
    // ink of each line, one pixel wider all round, within its clip. Font
    // rasterisers differ there; everything else is the preview's pixels.
    captionBoxes() {
      const whole = rect(0, 0, this.applet.width, this.applet.height);
      const boxes = [];
      for (const { x: left, y: top, layers } of this.shownText) {
        for (const layer of layers) {
          const clip = intersect(whole, {
            left: left + layer.clip.left,
            top: top + layer.clip.top,
            right: left + layer.clip.right,
            bottom: top + layer.clip.bottom,
          });
          for (const line of layer.lines) {
            if (!line.text.trim()) continue;
            const m = measurer(layer.font).measureText(line.text);
            const x = left + layer.dx + line.x;
            const baseline = top + layer.dy + line.top + line.ascent;
            const box = intersect(clip, {
              left: Math.floor(x - m.actualBoundingBoxLeft) - 1,
              top: Math.floor(baseline - m.actualBoundingBoxAscent) - 1,
              right: Math.ceil(x + m.actualBoundingBoxRight) + 1,
              bottom: Math.ceil(baseline + m.actualBoundingBoxDescent) + 1,
            });
            if (!isEmpty(box)) boxes.push(box);
          }
        }
      }
      return boxes;
    }

    // The element that stands for a button: a link when it has one, in
    // bar order for Tab, named by its caption.
    buildButton(b) {
      const area = intersect(
        rect(b.left, b.top, b.width, b.height),
        rect(0, 0, this.applet.width, this.applet.height),
      );
      const item = { button: b, hovered: false, focused: false, pressed: false };
      const el = document.createElement(b.link ? 'a' : 'span');
      if (b.link) {
        el.href = b.link;
        if (b.frame) el.target = b.frame;
      } else {
        el.setAttribute('role', 'button');
        el.tabIndex = 0;
      }
      el.className = 'velkbutton-button';
      const caption = b.states[0].caption.join(' ').replace(/\s+/g, ' ').trim();
      el.setAttribute('aria-label', caption || b.hint.text || b.link || `Button ${b.ordinal + 1}`);
      if (b.hint.text) el.setAttribute('aria-description', b.hint.text);
      const [width, height] = [area.right - area.left, area.bottom - area.top];
      el.style.cssText =
        `position:absolute;display:block;left:${area.left}px;top:${area.top}px;` +
        `width:${Math.max(0, width)}px;height:${Math.max(0, height)}px;` +
        `z-index:${this.applet.buttons.length - b.ordinal};background:transparent;` +
        `cursor:${b.link ? 'pointer' : 'default'};-webkit-tap-highlight-color:transparent;`;
      if (isEmpty(area)) el.style.display = 'none';
      this.attachBehaviour(el, item);
      this.element.insertBefore(el, this.status);
      item.element = el;
      return item;
    }

    attachBehaviour(el, item) {
      const b = item.button;
      // Moves the button to the state its flags give, with that state's
      // sound and status text.
      const change = (update) => {
        const before = this.stateOf(b.ordinal);
        Object.assign(item, update);
        const after = this.stateOf(b.ordinal);
        if (after !== before) {
          if (after === 3) this.sounds.play(b.states[2].soundName);
          if (after === 2 && before === 1 && userHasInteracted()) {
            this.sounds.play(b.states[1].soundName);
          }
        }
        this.showActive();
      };
      el.addEventListener('pointerenter', (e) => {
        const r = this.element.getBoundingClientRect();
        // Right under the button, so the pointer can move onto the hint.
        item.tipPlace = { x: e.clientX - r.left, y: b.top + b.height };
        change({ hovered: true });
      });
      el.addEventListener('pointerleave', (e) => {
        if (e.relatedTarget === this.tip) this.overTip = true;
        change({ hovered: false, pressed: false });
      });
      el.addEventListener('pointerdown', (e) => {
        if (e.button === 0) change({ pressed: true });
      });
      el.addEventListener('pointerup', () => change({ pressed: false }));
      el.addEventListener('pointercancel', () => change({ pressed: false }));
      el.addEventListener('focus', () => {
        if (el.matches(':focus-visible')) change({ focused: true });
      });
      el.addEventListener('blur', () => change({ focused: false, pressed: false }));
      el.addEventListener('keydown', (e) => {
        if (e.key !== 'Enter' && e.key !== ' ') return;
        if (e.key === ' ') e.preventDefault(); // no scrolling
        if (!e.repeat) change({ pressed: true });
      });
      el.addEventListener('keyup', (e) => {
        if (e.key !== 'Enter' && e.key !== ' ') return;
        change({ pressed: false });
        // Enter follows a link by itself; Space does for buttons only.
        if (e.key === ' ' && b.link) el.click();
      });
    }

    // The hint and the text-box message of the button under the pointer,
    // or else of the one with keyboard focus; and the faces as they are.
    // The message and the status text of that button's state are also
    // announced, once, through the live region.
    showActive() {
      const active = this.buttons.find((i) => i.hovered) || this.buttons.find((i) => i.focused);
      this.showTip(active);
      this.message = active?.button.message || null;
      const status = active
        ? active.button.states[this.stateOf(active.button.ordinal) - 1].status
        : '';
      this.announce([this.message, status].filter(Boolean).join('. '));
      this.paint();
    }

    // The hint in its own font and colours, under the pointer or, with the
    // keyboard, beside the bar or below the button, never over another
    // one. It stays while the pointer is on it and goes with Escape.
    showTip(item) {
      if (!item && this.overTip) return;
      const hint = item?.button.hint;
      if (item !== this.tipItem) this.tipDismissed = false;
      this.tipItem = item;
      this.tip.hidden = !hint?.text || this.tipDismissed;
      if (this.tip.hidden) return;
      const b = item.button;
      this.tip.textContent = hint.text;
      this.tip.style.cssText =
        'position:absolute;left:0;top:0;z-index:1000;' +
        'white-space:pre;padding:1px 3px;line-height:normal;' +
        `font:${fontOf(hint.font, hint.size, hint.style)};color:${css(hint.textColor)};` +
        `background:${css(hint.bkColor)};border:1px solid ${css(hint.borderColor)};`;
      const [w, h] = [this.tip.offsetWidth, this.tip.offsetHeight];
      const covers = (x, y) =>
        this.applet.buttons.some(
          (o) => x < o.left + o.width && x + w > o.left && y < o.top + o.height && y + h > o.top,
        );
      const places = item.hovered
        ? [item.tipPlace]
        : [
            { x: b.left, y: b.top + b.height + 6 },
            { x: this.applet.width + 6, y: b.top },
            { x: b.left, y: this.applet.height + 6 },
          ];
      const place = places.find((p) => !covers(p.x, p.y)) || places[places.length - 1];
      this.tip.style.left = `${place.x}px`;
      this.tip.style.top = `${place.y}px`;
    }

    attachTip() {
      this.tip.addEventListener('pointerenter', () => (this.overTip = true));
      this.tip.addEventListener('pointerleave', () => {
        this.overTip = false;
        this.showActive();
      });
      document.addEventListener('keydown', (e) => {
        if (e.key !== 'Escape' || this.tip.hidden) return;
        this.tipDismissed = true;
        this.overTip = false;
        this.tip.hidden = true;
      });
    }

    announce(text) {
      if (this.status.textContent !== text) this.status.textContent = text;
    }

    // A message in the text box, or none (null).
    setMessage(text) {
      this.message = text || null;
      this.paint();
    }

    // Back from the history, nothing is under the pointer or pressed.
    reset() {
      for (const item of this.buttons) Object.assign(item, { hovered: false, pressed: false });
      this.showActive();
    }
  }

  // --------------------------------------------- the exported bar (<nav>)

  // A bar written by Wendle's web export is complete without a script: its
  // links, faces and states are HTML and CSS. This adds what needs one: the
  // text-box message (drawn into the export's picture) and the status text,
  // both also announced; the sounds; and the bar's place on whole device
  // pixels, so that no edge falls between two of them.
  class NavBar {
    constructor(nav) {
      this.nav = nav;
      this.box = nav.querySelector('.wendle-bar__box');
      this.sounds = new Sounds();
      this.live = document.createElement('span');
      this.live.className = 'wendle-bar__live';
      this.live.setAttribute('aria-live', 'polite');
      this.live.style.cssText = HIDDEN_TEXT;
      nav.append(this.live);
      this.hovered = null;
      this.focused = null;
      for (const el of nav.querySelectorAll('.wendle-bar__button')) this.attach(el);
      this.snap = this.snap.bind(this);
      this.snap();
      global.addEventListener('resize', this.snap);
    }

    attach(el) {
      const show = () => this.show();
      el.addEventListener('pointerenter', () => {
        this.hovered = el;
        if (userHasInteracted()) this.sounds.play(el.dataset.soundOver);
        show();
      });
      el.addEventListener('pointerleave', () => {
        if (this.hovered === el) this.hovered = null;
        show();
      });
      el.addEventListener('focus', () => {
        this.focused = el.matches(':focus-visible') ? el : null;
        show();
      });
      el.addEventListener('blur', () => {
        if (this.focused === el) this.focused = null;
        show();
      });
      const press = () => {
        this.sounds.play(el.dataset.soundClick);
        this.announce(el.dataset.statusClick);
      };
      el.addEventListener('pointerdown', (e) => e.button === 0 && press());
      el.addEventListener('keydown', (e) => e.key === 'Enter' && !e.repeat && press());
    }

    // The message and status of the button under the pointer, or else of
    // the focused one.
    show() {
      const el = this.hovered || this.focused;
      if (this.box) {
        this.box.className = 'wendle-bar__box';
        if (el?.dataset.message) this.box.classList.add(`wendle-bar__m${el.dataset.message}`);
      }
      this.announce([el?.dataset.messageText, el?.dataset.statusOver].filter(Boolean).join('. '));
    }

    announce(text) {
      if (this.live.textContent !== (text || '')) this.live.textContent = text || '';
    }

    snap() {
      snapToDevicePixels(this.nav, { translate: true });
    }
  }

  // Browsers let a page play sound only after the user has done something.
  let interacted = false;
  function userHasInteracted() {
    return global.navigator?.userActivation?.hasBeenActive ?? interacted;
  }

  function isBarApplet(element) {
    return (element.getAttribute('code') || '').trim().toLowerCase() === 'velkbutton.class';
  }

  // A focus ring outside the face, white in black so that it shows on any
  // colour, and only for the keyboard.
  const STYLE =
    '.velkbutton-button:focus{outline:none}' +
    '.velkbutton-button:focus-visible{outline:2px solid #fff;outline-offset:1px;' +
    'box-shadow:0 0 0 4px #000}';

  function start() {
    if (document.getElementsByTagName('applet').length) {
      const style = document.createElement('style');
      style.textContent = STYLE;
      document.head.append(style);
    }
    for (const type of ['pointerdown', 'keydown']) {
      global.addEventListener(type, () => (interacted = true), { capture: true, once: true });
    }
    for (const nav of document.querySelectorAll('nav.wendle-bar')) new NavBar(nav);
    const bars = [...document.getElementsByTagName('applet')]
      .filter(isBarApplet)
      .map((element) => new Bar(element));
    api.bars.push(...bars);
    for (const bar of bars) {
      bar.ready.then((drawn) => drawn || api.bars.splice(api.bars.indexOf(bar), 1));
    }
    global.addEventListener('pageshow', (e) => {
      if (e.persisted) for (const bar of bars) bar.reset();
    });
    Promise.all(bars.map((bar) => bar.ready)).then((drawn) => resolveReady(drawn.filter(Boolean)));
  }

  // velkbutton.bars: the bars of the page; velkbutton.ready: a promise of
  // them, drawn.
  let resolveReady;
  const api = { bars: [], ready: new Promise((resolve) => (resolveReady = resolve)) };

  if (typeof module === 'object' && module.exports) {
    module.exports = {
      readApplet,
      captionLines,
      getColor,
      gradientColours,
      nearestStep,
      drawBorder,
      fadeBackground,
      placeImage,
      sourcePixel,
      decodeAu,
      Primitives,
    };
  } else if (typeof document !== 'undefined' && !global.velkbutton) {
    global.velkbutton = api;
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
    else start();
  }
})(typeof window !== 'undefined' ? window : globalThis);
