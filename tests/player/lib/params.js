'use strict';
// Edits of an HTML block at the level of the applet's parameter text, the
// whole contract between a page and the bar: the fields of a button by
// their place among the 102, and whole applet parameters.

const HEAD = 14;
const STATE = 29;

// Places of the fields of a button's parameter text.
const FIELD = {
  hint: 4,
  link: 11,
  frame: 12,
  status: (state) => HEAD + (state - 1) * STATE + 20,
  sound: (state) => HEAD + (state - 1) * STATE + 21,
  message: HEAD + 3 * STATE,
};

// Sets fields of button n: changes is a list of [place, text].
function setButtonFields(lines, n, changes) {
  const prefix = `<PARAM NAME="${n}" VALUE="`;
  return lines.map((line) => {
    if (!line.startsWith(prefix)) return line;
    const fields = line.slice(prefix.length, -2).split('|');
    for (const [place, text] of changes) fields[place] = text;
    return prefix + fields.join('|') + '">';
  });
}

function setParam(lines, name, value) {
  const pattern = new RegExp(`^<PARAM NAME="${name}"(\\s+)VALUE="[^"]*">$`);
  return lines.map((line) => line.replace(pattern, `<PARAM NAME="${name}"$1VALUE="${value}">`));
}

function setAppletSize(lines, width, height) {
  return lines.map((line) =>
    line.replace(/WIDTH=\d+ HEIGHT=\d+>$/, `WIDTH=${width} HEIGHT=${height}>`),
  );
}

module.exports = { FIELD, setButtonFields, setParam, setAppletSize };
