// The page around the program: builds its windows from what the core
// reports, sends every event to the core's handlers, shows the pictures'
// pixels and runs the passes on display frames. Everything the programs
// define comes from the core; only what the browser needs is here.
'use strict';

const shell = {
  layout: null,       // the main window as the core laid it out
  windows: {},        // design name -> {root, controls: {name -> element}}
  pictures: {},       // picture name -> {canvas, context, design}
  looping: false,
  ended: false,
  firstPass: undefined,
  passes: 0,
};
window.wellenlabor = shell;

function showMessage(text) {
  const box = document.getElementById('message');
  if (!box.hidden) {
    return; // the first reason is the one that counts
  }
  box.textContent = text;
  box.hidden = false;
}

if (typeof WebAssembly !== 'object') {
  showMessage('Dieser Browser kann kein WebAssembly ausführen, das das Programm braucht. '
    + 'Bitte öffnen Sie die Seite in einem aktuellen Browser (Chrome, Firefox, Edge oder Safari).');
}

// A fault inside the WebAssembly stops the run and says so; the picture
// never just freezes.
function fail(what) {
  shell.ended = true;
  showMessage('Das Programm ist mit einem Fehler in WebAssembly stehen geblieben und musste anhalten. '
    + 'Laden Sie die Seite neu, um es wieder zu starten. (' + what + ')');
}
Module.onAbort = fail;
addEventListener('error', (e) => fail(e.message));

Module.onRuntimeInitialized = () => {
  try {
    start();
  } catch (error) {
    fail(error);
  }
};

function call(name, types, args) {
  return JSON.parse(UTF8ToString(Module.ccall(name, 'number', types, args)));
}

const eventKinds = {click: 0, change: 1, mouseDown: 2, mouseMove: 3, mouseUp: 4, unload: 5};

function send(kind, windowName, control, extra = {}) {
  if (shell.ended) {
    return;
  }
  const reaction = call('wl_event', ['number', 'string', 'string', 'number', 'number', 'number', 'number', 'number'],
    [eventKinds[kind], windowName, control, extra.value || 0, extra.button || 0, extra.shift || 0, extra.x || 0,
      extra.y || 0]);
  react(reaction);
}

function react(reaction) {
  if (!reaction) {
    return;
  }
  if (reaction.open) {
    openWindow(reaction.open);
  }
  if (reaction.close) {
    shell.windows[reaction.close].root.hidden = true;
  }
  showView(reaction.view, shell.layout.name);
  for (const shown of reaction.windows) {
    showView(shown.view, shown.name);
  }
  showTexts(reaction.texts);
  repaintAll();
  if (reaction.download) {
    const file = reaction.download;
    download(new Blob([file.text], {type: file.type}), file.file);
  }
  if (reaction.end) {
    end();
    return;
  }
  if (reaction.running) {
    schedule();
  }
}

// ---- the run ------------------------------------------------------------

// While the run changes the picture, a pass on every display frame. A frame
// that changed nothing (a chain at rest) hands on to a timer, as the
// desktop's run driver does, and the next change goes back to the frames;
// the wall clock keeps the pace either way (a tick below 1/12 s catches up
// every pass).
const idleMilliseconds = 75;

function schedule() {
  if (shell.idle !== undefined) {
    clearTimeout(shell.idle);
    shell.idle = undefined;
    shell.looping = false;
  }
  if (!shell.looping && !shell.ended && !document.hidden) {
    shell.looping = true;
    requestAnimationFrame(frame);
  }
}

function idle() {
  shell.looping = true;
  shell.idle = setTimeout(() => {
    shell.idle = undefined;
    if (document.hidden) {
      shell.looping = false;
      return;
    }
    frame(performance.now());
  }, idleMilliseconds);
}

function frame(time) {
  shell.looping = false;
  if (shell.ended) {
    return;
  }
  const shown = call('wl_frame', ['number'], [time]);
  if (shown.passes > 0) {
    shell.passes += shown.passes;
    if (shell.firstPass === undefined) {
      shell.firstPass = performance.now();
    }
  }
  let changed = false;
  if (shown.control && shown.caption !== shell.passCaption) {
    shell.passCaption = shown.caption;
    setCaption(mainControls()[shown.control], shown.caption);
    changed = true;
  }
  if (shown.window) {
    showView(shown.view, shown.window);
  }
  changed = repaintAll() || changed;
  if (!shown.running) {
    return;
  }
  if (changed) {
    schedule();
  } else {
    idle();
  }
}

document.addEventListener('visibilitychange', schedule);

// Whether any picture changed.
function repaintAll() {
  let changed = false;
  for (const name of Object.keys(shell.pictures)) {
    changed = repaint(name) || changed;
  }
  return changed;
}

function repaint(name) {
  const table = Module.ccall('wl_repaint', 'number', ['string'], [name]) >> 2;
  const count = HEAP32[table];
  if (count === 0) {
    return false;
  }
  const picture = shell.pictures[name];
  const canvas = picture.canvas;
  const pixels = Module.ccall('wl_pixels', 'number', ['string'], [name]);
  // One image over the picture's RGBA copy in the WebAssembly memory, made
  // again when that memory has grown or the copy has moved.
  if (!picture.image || picture.image.data.buffer !== HEAPU8.buffer || picture.pixels !== pixels) {
    const data = new Uint8ClampedArray(HEAPU8.buffer, pixels, canvas.width * canvas.height * 4);
    picture.image = new ImageData(data, canvas.width, canvas.height);
    picture.pixels = pixels;
  }
  for (let k = 0; k < count; ++k) {
    const at = table + 1 + 4 * k;
    picture.context.putImageData(picture.image, 0, 0, HEAP32[at], HEAP32[at + 1], HEAP32[at + 2], HEAP32[at + 3]);
  }
  return true;
}

function end() {
  shell.ended = true;
  document.getElementById('desk').classList.add('ended');
  // Emscripten's optimizer loses destructuring in a loop's head.
  for (const name of Object.keys(shell.windows)) {
    if (name !== shell.layout.name) {
      shell.windows[name].root.hidden = true;
    }
  }
  showMessage(shell.layout.program + ' ist beendet. Laden Sie die Seite neu, um es wieder zu starten.');
}

// ---- building the windows -------------------------------------------------

function px(n) {
  return n + 'px';
}

function place(element, r) {
  Object.assign(element.style, {left: px(r.x), top: px(r.y), width: px(r.w), height: px(r.h)});
}

function fontOf(c, inherited) {
  return c.font === null ? inherited : c.font;
}

function families() {
  return shell.layout.families.map((f) => '"' + f + '"').join(', ') + ', sans-serif';
}

function build(design, root, windowName, places) {
  const controls = {};
  root.style.fontFamily = families();
  root.style.background = design.back;
  for (const c of design.controls) {
    const parent = c.parent === null ? root : controls[c.parent];
    const inherited = c.parent === null ? design.font : parent.dataset.font;
    const element = makeControl(c, windowName);
    element.dataset.name = c.name;
    element.dataset.font = fontOf(c, inherited);
    element.classList.add('c', c.kind);
    element.style.fontSize = px(element.dataset.font);
    if (c.back !== null) {
      element.style.background = c.back;
    }
    place(element, Object.assign({}, c, places[c.name] || {}));
    if (!c.visible) {
      element.hidden = true;
    }
    element.setAttribute('aria-label', c.label || c.caption || c.name);
    if (c.description) {
      element.setAttribute('aria-description', c.description);
    }
    if (c.tip) {
      element.title = c.tip;
    }
    element.tabIndex = -1;
    (parent.inner || parent).appendChild(element);
    controls[c.name] = element;
    if (c.kind === 'frame') {
      etch(element);
    }
  }
  return controls;
}

function makeControl(c, windowName) {
  switch (c.kind) {
    case 'picture':
      return makePicture(c, windowName);
    case 'frame': {
      const box = document.createElement('div');
      box.setAttribute('role', 'group');
      const caption = document.createElement('span');
      caption.className = 'caption';
      caption.textContent = c.caption;
      box.caption = caption;
      box.inner = box;
      return box;
    }
    case 'label': {
      const label = document.createElement('div');
      label.textContent = c.caption;
      return label;
    }
    case 'button': {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = c.caption;
      classicBorder(button, false);
      button.addEventListener('pointerdown', () => classicBorder(button, true));
      for (const up of ['pointerup', 'pointerleave', 'pointercancel']) {
        button.addEventListener(up, () => classicBorder(button, false));
      }
      button.addEventListener('click', () => send('click', windowName, c.name));
      return button;
    }
    case 'textBox': {
      const box = document.createElement('input');
      box.readOnly = true;
      box.value = c.caption;
      const look = shell.layout.look;
      Object.assign(box.style, {borderStyle: 'solid', borderWidth: px(look.line),
        borderColor: `${look.shadow} ${look.light} ${look.light} ${look.shadow}`});
      return box;
    }
    case 'option': {
      const option = document.createElement('label');
      const radio = document.createElement('input');
      radio.type = 'radio';
      radio.tabIndex = -1;
      const text = document.createElement('span');
      text.textContent = c.caption;
      option.append(radio, text);
      option.radio = radio;
      option.text = text;
      radio.addEventListener('click', () => send('click', windowName, c.name));
      return option;
    }
    case 'scrollBar':
      return makeScrollBar(c, windowName);
  }
  return document.createElement('div');
}

// The classic button border: two rings, lit at the top and left, shaded at
// the bottom and right, swapped while pressed.
function classicBorder(button, down) {
  const look = shell.layout.look;
  const l = look.line;
  const lit = down ? '#000000' : look.light;
  const shaded = down ? look.light : '#000000';
  const innerLit = down ? look.shadow : 'transparent';
  const innerShaded = down ? 'transparent' : look.shadow;
  Object.assign(button.style, {borderStyle: 'solid', borderWidth: px(l),
    borderColor: `${lit} ${shaded} ${shaded} ${lit}`,
    boxShadow: `inset ${-l}px ${-l}px 0 ${innerShaded}, inset ${l}px ${l}px 0 ${innerLit}`});
}

// The framed box's etched frame, its top line through the caption's middle
// and broken for it, above the box's controls.
function etch(box) {
  const look = shell.layout.look;
  const l = look.frameLine;
  const caption = box.caption;
  Object.assign(caption.style, {left: px(look.indent - look.padding), top: '0px', padding: `0 ${px(look.padding)}`,
    background: box.style.background, zIndex: 2});
  box.appendChild(caption);
  const captionHeight = caption.textContent.trim() === '' ? 0 : caption.offsetHeight;
  const top = captionHeight === 0 ? 0 : Math.floor((captionHeight - 1) / 2) + 1 - l;
  const w = box.offsetWidth;
  const h = box.offsetHeight;
  const rings = [[0, look.shadow], [l, look.light]];
  for (const pair of rings) {
    const offset = pair[0];
    const colour = pair[1];
    const ring = document.createElement('div');
    ring.className = 'ring';
    Object.assign(ring.style, {left: px(offset), top: px(top + offset), width: px(w - l), height: px(h - top - l),
      borderWidth: px(l), borderColor: colour, zIndex: 1});
    box.appendChild(ring);
  }
}

function makeScrollBar(c, windowName) {
  const bar = document.createElement('div');
  bar.setAttribute('role', 'scrollbar');
  bar.setAttribute('aria-orientation', 'horizontal');
  const [min, max, small, large, initial] = c.scroll;
  const left = document.createElement('div');
  const right = document.createElement('div');
  const thumb = document.createElement('div');
  left.className = right.className = 'arrow';
  left.textContent = '◀';
  right.textContent = '▶';
  bar.append(left, right, thumb);
  bar.value = initial;
  const classic = (e) => classicBorder(e, false);
  [left, right, thumb].forEach(classic);
  const geometry = () => {
    const h = bar.clientHeight;
    const track = bar.clientWidth - 2 * h;
    const length = Math.max(h / 2, track * large / (max - min + large));
    return {h, track, length};
  };
  const show = () => {
    const g = geometry();
    Object.assign(left.style, {left: '0px', width: px(g.h)});
    Object.assign(right.style, {right: '0px', width: px(g.h)});
    const at = g.h + (max > min ? (bar.value - min) / (max - min) : 0) * (g.track - g.length);
    Object.assign(thumb.style, {left: px(Math.round(at)), width: px(Math.round(g.length))});
    bar.setAttribute('aria-valuemin', min);
    bar.setAttribute('aria-valuemax', max);
    bar.setAttribute('aria-valuenow', bar.value);
  };
  bar.setValue = (v, silent) => {
    v = Math.min(max, Math.max(min, Math.round(v)));
    if (v === bar.value) {
      return;
    }
    bar.value = v;
    show();
    if (!silent) {
      send('change', windowName, c.name, {value: v});
    }
  };
  bar.show = show;
  let repeat = null;
  const stop = () => {
    clearTimeout(repeat);
    clearInterval(repeat);
    repeat = null;
  };
  const hold = (step) => {
    step();
    repeat = setTimeout(() => {
      repeat = setInterval(step, 50);
    }, 300);
  };
  bar.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    bar.focus();
    bar.setPointerCapture(e.pointerId);
    const x = e.clientX - bar.getBoundingClientRect().left;
    if (e.target === left) {
      hold(() => bar.setValue(bar.value - small));
    } else if (e.target === right) {
      hold(() => bar.setValue(bar.value + small));
    } else if (e.target === thumb) {
      const grab = x - thumb.offsetLeft;
      const move = (m) => {
        const g = geometry();
        const at = m.clientX - bar.getBoundingClientRect().left - grab - g.h;
        bar.setValue(min + at / Math.max(1, g.track - g.length) * (max - min));
      };
      bar.addEventListener('pointermove', move);
      bar.addEventListener('pointerup', () => bar.removeEventListener('pointermove', move), {once: true});
    } else {
      const towards = x < thumb.offsetLeft ? -large : large;
      hold(() => {
        const beyond = towards < 0 ? x < thumb.offsetLeft : x > thumb.offsetLeft + thumb.offsetWidth;
        if (beyond) {
          bar.setValue(bar.value + towards);
        }
      });
    }
  });
  bar.addEventListener('pointerup', stop);
  bar.addEventListener('pointercancel', stop);
  bar.addEventListener('keydown', (e) => {
    const steps = {ArrowLeft: -small, ArrowUp: -small, ArrowRight: small, ArrowDown: small, PageUp: -large,
      PageDown: large};
    if (e.key in steps) {
      bar.setValue(bar.value + steps[e.key]);
    } else if (e.key === 'Home') {
      bar.setValue(min);
    } else if (e.key === 'End') {
      bar.setValue(max);
    } else {
      return;
    }
    e.preventDefault();
    e.stopPropagation();
  });
  return bar;
}

// A picture: its pixels on a canvas at the device pixel ratio, the mouse and
// a finger as the forms runtime's mouse, in the picture's logical pixels.
function makePicture(c, windowName) {
  const box = document.createElement('div');
  box.setAttribute('role', 'img');
  const canvas = document.createElement('canvas');
  box.appendChild(canvas);
  box.inner = box;
  shell.pictures[c.name] = {canvas, context: canvas.getContext('2d', {alpha: false}), box};
  const where = (e) => {
    const r = canvas.getBoundingClientRect();
    return {x: e.clientX - r.left, y: e.clientY - r.top};
  };
  const shiftOf = (e) => (e.shiftKey ? 1 : 0) + (e.ctrlKey ? 2 : 0) + (e.altKey ? 4 : 0);
  const mouse = (kind, button, e, at = where(e)) => {
    send(kind, windowName, c.name, {button, shift: shiftOf(e), x: at.x, y: at.y});
  };
  const buttonCode = [1, 4, 2];
  const finger = {id: null, button: 0, start: null, at: null, timer: null};
  const press = (button, e) => {
    finger.button = button;
    mouse('mouseDown', button, e, finger.at);
  };
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  canvas.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    box.focus();
    canvas.setPointerCapture(e.pointerId);
    if (e.pointerType !== 'touch') {
      mouse('mouseDown', buttonCode[e.button] || 0, e);
      return;
    }
    if (finger.id !== null) {
      return; // only the first finger counts
    }
    finger.id = e.pointerId;
    finger.button = 0;
    finger.start = finger.at = where(e);
    if (c.hold) {
      // Held still for a while first, a finger is the right button.
      finger.timer = setTimeout(() => {
        press(2, e);
        mouse('mouseMove', 2, e, finger.at);
      }, shell.layout.holdMs);
    } else {
      press(1, e);
    }
  });
  const follow = (e, lifted) => {
    if (e.pointerId !== finger.id) {
      return;
    }
    let to = e.type === 'pointercancel' ? finger.at : where(e);
    if (finger.button === 0) {
      if (!lifted && Math.hypot(to.x - finger.start.x, to.y - finger.start.y) <= shell.layout.still) {
        return; // may still become a hold
      }
      clearTimeout(finger.timer);
      finger.at = finger.start;
      press(1, e);
      if (lifted) {
        to = finger.start; // a tap clicks where the finger came down
      }
    }
    if (to.x !== finger.at.x || to.y !== finger.at.y) {
      finger.at = to;
      mouse('mouseMove', finger.button, e, to);
    }
    if (lifted) {
      finger.id = null;
      mouse('mouseUp', finger.button, e, finger.at);
    }
  };
  canvas.addEventListener('pointermove', (e) => {
    if (e.pointerType === 'touch') {
      follow(e, false);
    } else {
      mouse('mouseMove', e.buttons & 7, e);
    }
  });
  const lift = (e) => {
    if (e.pointerType === 'touch') {
      follow(e, true);
    } else if (e.type === 'pointerup') {
      mouse('mouseUp', buttonCode[e.button] || 0, e);
    }
  };
  canvas.addEventListener('pointerup', lift);
  canvas.addEventListener('pointercancel', lift);
  return box;
}

function sizeCanvas(name) {
  const picture = shell.pictures[name];
  const w = picture.box.offsetWidth;
  const h = picture.box.offsetHeight;
  const ratio = window.devicePixelRatio || 1;
  picture.canvas.width = Math.round(w * ratio);
  picture.canvas.height = Math.round(h * ratio);
  Object.assign(picture.canvas.style, {width: px(w), height: px(h)});
}

// ---- what the program shows ------------------------------------------------

function mainControls() {
  return shell.windows[shell.layout.name].controls;
}

function setCaption(element, caption) {
  if (!element) {
    return;
  }
  if (element.radio) {
    element.text.textContent = caption;
  } else if (element.tagName === 'INPUT') {
    element.value = caption;
  } else {
    element.textContent = caption;
  }
}

function showView(view, windowName) {
  const win = shell.windows[windowName];
  if (windowName === shell.layout.name) {
    shell.passCaption = undefined;
    if (view.title !== undefined) {
      document.title = view.title;
    }
  } else if (view.title !== undefined) {
    win.title.textContent = view.title;
  }
  const controls = win.controls;
  for (const state of view.controls) {
    const element = controls[state.control];
    if (state.caption !== undefined) {
      setCaption(element, state.caption);
    }
    if (state.back !== undefined) {
      element.style.background = state.back;
    }
    if (state.visible !== undefined) {
      element.hidden = !state.visible;
    }
    if (state.checked !== undefined) {
      element.radio.checked = state.checked;
    }
    if (state.value !== undefined) {
      element.setValue(state.value, true); // the core set it: no change goes back
    }
    if (state.x !== undefined) {
      Object.assign(element.style, {left: px(state.x), top: px(state.y)});
    }
  }
}

function showTexts(texts) {
  const controls = mainControls();
  for (const t of texts) {
    controls[t.control].setAttribute('aria-label', t.name);
    if (t.description) {
      controls[t.control].setAttribute('aria-description', t.description);
    }
  }
}

// ---- the other windows -----------------------------------------------------

// Another window of the program, made hidden from its design with the
// scroll bars' values kept from an earlier one.
function makeWindow(name, kept = {}) {
  const design = call('wl_window', ['string'], [name]);
  const root = document.createElement('div');
  root.className = 'window info';
  root.dataset.window = name;
  root.tabIndex = -1;
  root.style.fontFamily = families();
  root.setAttribute('role', 'dialog');
  root.setAttribute('aria-label', design.title);
  const bar = document.createElement('div');
  bar.className = 'titlebar';
  const barHeight = Math.round(design.font * 1.8);
  Object.assign(bar.style, {height: px(barHeight), lineHeight: px(barHeight), fontSize: px(design.font)});
  const title = document.createElement('span');
  title.textContent = design.title;
  const close = document.createElement('button');
  close.type = 'button';
  close.textContent = '×';
  close.setAttribute('aria-label', 'Schließen');
  close.style.width = px(barHeight - 4);
  close.addEventListener('click', () => {
    root.hidden = true;
    send('unload', name, '');
  });
  bar.append(title, close);
  const client = document.createElement('div');
  Object.assign(client.style, {position: 'absolute', left: '0px', top: px(barHeight), width: px(design.w),
    height: px(design.h)});
  root.append(bar, client);
  Object.assign(root.style, {left: px(design.x), top: px(design.y), width: px(design.w),
    height: px(design.h + barHeight), border: '1px solid #000'});
  document.getElementById('desk').appendChild(root);
  const win = {root, title, beside: design.beside, controls: build(design, client, name, {})};
  // The window's own Tab chain, after the main window's: the design lists it in document order.
  for (const control of design.tab) {
    win.controls[control].tabIndex = 0;
  }
  shell.windows[name] = win;
  fitText(client, design.font);
  showValues(win.controls, kept);
  for (const c of design.controls) {
    if (c.kind === 'picture') {
      sizeCanvas(c.name);
    }
  }
  showView(design.view, name);
  movable(root, bar);
  root.hidden = true;
  return win;
}

function openWindow(name) {
  const win = shell.windows[name] || makeWindow(name);
  const root = win.root;
  if (root.hidden && win.beside) {
    root.hidden = false;
    const at = call('wl_place', ['number', 'number'], [root.offsetWidth, root.offsetHeight]);
    Object.assign(root.style, {left: px(at.x), top: px(at.y)});
  }
  root.hidden = false;
  raise(root);
  keepOnScreen(root);
}

function scrollValues(controls) {
  const values = {};
  for (const name of Object.keys(controls)) {
    if (controls[name].setValue) {
      values[name] = controls[name].value;
    }
  }
  return values;
}

// The scroll bars drawn, at the values kept where there are any.
function showValues(controls, kept) {
  for (const element of Object.values(controls)) {
    if (element.setValue) {
      if (element.dataset.name in kept) {
        element.value = kept[element.dataset.name];
      }
      element.show();
    }
  }
}

let topmost = 10;
function raise(root) {
  root.style.zIndex = ++topmost;
}

function keepOnScreen(root) {
  const x = Math.max(0, Math.min(root.offsetLeft, innerWidth - root.offsetWidth));
  const y = Math.max(0, Math.min(root.offsetTop, innerHeight - root.offsetHeight));
  Object.assign(root.style, {left: px(x), top: px(y)});
}

function movable(root, bar) {
  root.addEventListener('pointerdown', () => raise(root));
  bar.addEventListener('pointerdown', (e) => {
    if (e.target.tagName === 'BUTTON') {
      return; // the close button
    }
    e.preventDefault();
    root.focus();
    bar.setPointerCapture(e.pointerId);
    const grab = {x: e.clientX - root.offsetLeft, y: e.clientY - root.offsetTop};
    const move = (m) => {
      Object.assign(root.style, {left: px(m.clientX - grab.x), top: px(m.clientY - grab.y)});
      keepOnScreen(root);
    };
    bar.addEventListener('pointermove', move);
    bar.addEventListener('pointerup', () => bar.removeEventListener('pointermove', move), {once: true});
  });
}

// Where the zoomed text needs more lines than its labels have, all the
// window's labels take a slightly smaller font together.
function fitText(client, size) {
  const look = shell.layout.look;
  const labels = [...client.children].filter((e) => e.classList.contains('label'));
  const overflows = () => labels.some((l) => l.scrollHeight > l.clientHeight);
  const smallest = size * look.fitSmallest;
  while (overflows() && size * look.fitStep >= smallest) {
    size *= look.fitStep;
    labels.forEach((l) => {
      l.style.fontSize = px(size);
    });
  }
}

// ---- keys ------------------------------------------------------------------

// A key by its DOM name, on the window that has the focus; whether it acted.
function pressKey(key, ctrl) {
  const active = document.activeElement;
  const within = active && active.closest ? active.closest('[data-window]') : null;
  const windowName = within ? within.dataset.window : shell.layout.name;
  const focus = active && active.dataset && active.dataset.name ? active.dataset.name : '';
  const done = call('wl_key', ['string', 'number', 'string', 'string'], [key, ctrl ? 1 : 0, windowName, focus]);
  if (done === null) {
    return false;
  }
  closeMenu();
  if (done.copy) {
    shell.pictures[done.copy].canvas.toBlob((blob) => {
      navigator.clipboard.write([new ClipboardItem({'image/png': blob})]).catch(() => {});
    });
  } else if (done.save) {
    shell.pictures[done.save].canvas.toBlob((blob) => download(blob, done.file));
  } else {
    react(done);
  }
  return true;
}

document.addEventListener('keydown', (e) => {
  if (!shell.layout || shell.ended) {
    return;
  }
  if (e.key === 'Escape') {
    closeMenu();
  }
  if (pressKey(e.key, e.ctrlKey || e.metaKey)) {
    e.preventDefault();
  }
});

function download(blob, file) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = file;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// ---- the panel's menu ------------------------------------------------------

// The panel is the main window's background and what only shows text on it;
// the pictures, buttons and scroll bars keep the mouse's right button.
function isPanel(target, root) {
  const control = target.closest('.c');
  if (control === null) {
    return target === root;
  }
  const text = control.classList.contains('label') || control.classList.contains('frame');
  return text && control.parentElement.closest('.picture') === null;
}

// The right button opens the menu on the panel, and so does a finger or pen
// held still there as long as on a picture it gives the right button.
function panelMenu(root) {
  root.addEventListener('contextmenu', (e) => {
    if (isPanel(e.target, root)) {
      e.preventDefault();
      showMenu(e.clientX, e.clientY);
    }
  });
  let held = null;
  const release = () => {
    if (held) {
      clearTimeout(held.timer);
      held = null;
    }
  };
  root.addEventListener('pointerdown', (e) => {
    release();
    if (e.pointerType === 'mouse' || !isPanel(e.target, root)) {
      return;
    }
    e.preventDefault(); // no mouse press after it, which would take the open menu's focus
    const at = {id: e.pointerId, x: e.clientX, y: e.clientY};
    at.timer = setTimeout(() => {
      held = null;
      showMenu(at.x, at.y);
    }, shell.layout.holdMs);
    held = at;
  });
  root.addEventListener('pointermove', (e) => {
    if (held && e.pointerId === held.id && Math.hypot(e.clientX - held.x, e.clientY - held.y) > shell.layout.still) {
      release();
    }
  });
  root.addEventListener('pointerup', release);
  root.addEventListener('pointercancel', release);
}

function showMenu(x, y) {
  closeMenu();
  const entry = shell.layout.recorder;
  const shown = shell.windows[entry.window] && !shell.windows[entry.window].root.hidden;
  const menu = document.createElement('div');
  menu.className = 'menu';
  menu.setAttribute('role', 'menu');
  Object.assign(menu.style, {fontFamily: families(), fontSize: px(shell.layout.font)});
  const item = document.createElement('button');
  item.type = 'button';
  item.setAttribute('role', 'menuitemcheckbox');
  item.setAttribute('aria-checked', shown);
  item.setAttribute('aria-keyshortcuts', entry.key);
  const parts = [shown ? '✓' : '', entry.window, entry.key].map((text) => {
    const part = document.createElement('span');
    part.textContent = text;
    return part;
  });
  item.append(...parts);
  item.addEventListener('click', () => {
    closeMenu();
    pressKey(entry.key, false);
  });
  menu.appendChild(item);
  menu.addEventListener('focusout', (e) => {
    if (!menu.contains(e.relatedTarget)) {
      closeMenu();
    }
  });
  document.getElementById('desk').appendChild(menu);
  raise(menu);
  Object.assign(menu.style, {left: px(x), top: px(y)});
  keepOnScreen(menu);
  shell.menu = menu;
  item.focus();
}

function closeMenu() {
  if (shell.menu) {
    const menu = shell.menu;
    shell.menu = null;
    menu.remove();
  }
}

document.addEventListener('pointerdown', (e) => {
  if (shell.menu && !shell.menu.contains(e.target)) {
    closeMenu();
  }
}, true);

// ---- start and resize ------------------------------------------------------

// At a new zoom every window is made again, the other windows as they were
// shown or hidden, the open ones placed anew.
function layOut() {
  closeMenu();
  const values = {};
  const shown = {};
  for (const name of Object.keys(shell.windows)) {
    const win = shell.windows[name];
    values[name] = scrollValues(win.controls);
    shown[name] = !win.root.hidden;
    win.root.remove();
  }
  shell.windows = {};
  const layout = call('wl_layout', ['number', 'number', 'number'], [innerWidth, innerHeight,
    window.devicePixelRatio || 1]);
  shell.layout = layout;
  shell.pictures = {};
  document.title = layout.title;
  const root = document.createElement('div');
  root.className = 'window main';
  root.dataset.window = layout.name;
  Object.assign(root.style, {left: px(layout.left), top: px(layout.top), width: px(layout.width),
    height: px(layout.height)});
  document.getElementById('desk').appendChild(root);
  const controls = build(layout, root, layout.name, layout.places);
  shell.windows[layout.name] = {root, controls};
  layout.tab.forEach((name, k) => {
    controls[name].tabIndex = k + 1;
  });
  showValues(controls, values[layout.name] || {});
  panelMenu(root);
  for (const name of Object.keys(shell.pictures)) {
    sizeCanvas(name);
  }
  // A label whose caption needs more lines than its design height grows
  // downward, as on the desktop, so no stand-in face cuts it.
  for (const element of Object.values(controls)) {
    if (element.classList.contains('label') && element.textContent && element.scrollHeight > element.clientHeight) {
      element.style.height = px(element.scrollHeight);
    }
  }
  showView(layout.view, layout.name);
  showTexts(layout.texts);
  for (const name of Object.keys(values)) {
    if (name !== layout.name) {
      makeWindow(name, values[name]);
      if (shown[name]) {
        openWindow(name);
      }
    }
  }
  repaintAll();
  if (layout.running) {
    schedule();
  }
}

function start() {
  layOut();
  let pending = null;
  addEventListener('resize', () => {
    clearTimeout(pending);
    pending = setTimeout(layOut, 150);
  });
}
