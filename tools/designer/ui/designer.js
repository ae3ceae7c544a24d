// The wbforms designer in the browser. The form lives in the server; this page shows it and
// sends every change there. The server answers each change with the whole form, which the page
// then shows: what the page shows is always what the server holds.
'use strict';

const $ = (selector) => document.querySelector(selector);

const state = {
  form: null,          // the last form the server sent
  byName: new Map(),   // component name -> component
  selected: null,      // the name of the selected component
  tool: null,          // the palette class armed for dropping, or null
  imageRevision: -1,   // the revision of the surface picture shown
  liveVersion: 0,      // rises with every change, reloads the page view
  expanded: new Set(['Font']),  // nested objects open in the inspector
  palette: [],
  page: 0,
};

const colourNames = [
  'clBlack', 'clMaroon', 'clGreen', 'clOlive', 'clNavy', 'clPurple', 'clTeal', 'clGray',
  'clSilver', 'clRed', 'clLime', 'clYellow', 'clBlue', 'clFuchsia', 'clAqua', 'clWhite', 'clNone',
];

// --- Talking to the server -------------------------------------------------------------------

async function api(path, body) {
  const options = body === undefined ? {} : {
    method: 'POST',
    headers: { 'Content-Type': 'application/json' },
    body: JSON.stringify(body),
  };
  const response = await fetch(path, options);
  let data = null;
  try {
    data = await response.json();
  } catch {
    data = { error: `the designer answered ${response.status} ${response.statusText}` };
  }
  if (!response.ok) throw new Error(data.error || `the designer answered ${response.status}`);
  return data;
}

// Changes go to the server one after the other, in the order they were made.
let queue = Promise.resolve();
function enqueue(task) {
  queue = queue.then(task, task);
  return queue;
}

function change(path, body) {
  return enqueue(async () => {
    try {
      const result = await api(path, body);
      state.liveVersion += 1;
      showForm(result.form);
      const repainted = result.change.repainted;
      say(repainted.length ? `Repainted ${repainted.join(', ')}` : '');
      return result;
    } catch (error) {
      sayError(error.message);
      // The form is as it was; show it so, whatever the editors hold now.
      showForm(await api('/api/form'));
      return null;
    }
  });
}

function say(text) {
  const message = $('#message');
  message.textContent = text;
  message.classList.remove('error');
}

function sayError(text) {
  const message = $('#message');
  message.textContent = text;
  message.classList.add('error');
}

// --- The form --------------------------------------------------------------------------------

function showForm(form) {
  state.form = form;
  state.byName = new Map(form.components.map((component) => [component.name, component]));
  if (!state.selected || !state.byName.has(state.selected)) state.selected = form.form;
  $('#file').textContent = form.file;
  $('#modified').textContent = form.modified ? 'modified' : form.exists ? 'saved' : 'new file';
  $('#undo').disabled = !form.canUndo;
  $('#delete').disabled = state.selected === form.form;
  showSurface();
  showInspector();
  showLive();
}

function formComponent() {
  return state.byName.get(state.form.form);
}

// The component's top-left corner on the surface.
function origin(component) {
  let left = 0;
  let top = 0;
  for (let at = component; at && at.name !== state.form.form; at = state.byName.get(at.parent)) {
    left += at.left;
    top += at.top;
  }
  return { left, top };
}

function showSurface() {
  const form = formComponent();
  const surface = $('#surface');
  surface.style.width = `${form.width}px`;
  surface.style.height = `${form.height}px`;
  surface.classList.toggle('standin', !state.form.preview);
  const image = $('#surface-image');
  image.hidden = !state.form.preview;
  if (state.form.preview && state.imageRevision !== state.form.revision) {
    state.imageRevision = state.form.revision;
    image.src = `/api/preview.png?revision=${state.form.revision}`;
  }
  image.onerror = () => surface.classList.add('standin');
  image.onload = () => surface.classList.toggle('standin', !state.form.preview);

  const overlay = $('#overlay');
  overlay.replaceChildren();
  overlay.style.width = `${form.width}px`;
  overlay.style.height = `${form.height}px`;
  overlay.dataset.name = form.name;
  const boxes = new Map([[form.name, overlay]]);
  for (const component of state.form.components) {
    if (component.name === form.name) continue;
    const box = document.createElement('div');
    box.dataset.name = component.name;
    box.style.left = `${component.left}px`;
    box.style.top = `${component.top}px`;
    if (component.control) {
      box.className = 'component';
      box.style.width = `${Math.max(component.width, 0)}px`;
      box.style.height = `${Math.max(component.height, 0)}px`;
      const label = document.createElement('span');
      label.className = 'label';
      label.textContent = component.name;
      box.append(label);
      (boxes.get(component.parent) || overlay).append(box);
      boxes.set(component.name, box);
    } else {
      box.className = 'nonvisual';
      box.title = `${component.name}: ${component.class}`;
      box.append(paletteIcon(component.class));
      overlay.append(box);
    }
  }
  // Non-visual components lie over every control, as their icons do in the designer.
  for (const icon of overlay.querySelectorAll(':scope > .nonvisual')) overlay.append(icon);
  showSelection();
}

function paletteIcon(className) {
  const entry = state.palette.flatMap((page) => page.components).find((c) => c.class === className);
  if (entry && entry.image) {
    const image = document.createElement('img');
    image.src = entry.image;
    image.alt = className;
    image.draggable = false;
    return image;
  }
  return document.createTextNode(className.replace(/^TWb/, ''));
}

// --- Selection, moving and sizing ------------------------------------------------------------

const handles = ['nw', 'n', 'ne', 'e', 'se', 's', 'sw', 'w'];

function selectedRect() {
  const component = state.byName.get(state.selected);
  const at = origin(component);
  const size = component.control ? component : { width: 28, height: 28 };
  return { left: at.left, top: at.top, width: size.width, height: size.height };
}

function placeFrame(rect) {
  const frame = $('#selection');
  frame.style.left = `${rect.left}px`;
  frame.style.top = `${rect.top}px`;
  frame.style.width = `${Math.max(rect.width, 0)}px`;
  frame.style.height = `${Math.max(rect.height, 0)}px`;
}

function showSelection() {
  const frame = $('#selection');
  const component = state.byName.get(state.selected);
  frame.hidden = !component || component.name === state.form.form;
  if (frame.hidden) return;
  frame.replaceChildren();
  if (component.control) {
    for (const where of handles) {
      const handle = document.createElement('div');
      handle.className = `handle ${where}`;
      handle.dataset.handle = where;
      const x = where.includes('w') ? 0 : where.includes('e') ? 100 : 50;
      const y = where.includes('n') ? 0 : where.includes('s') ? 100 : 50;
      handle.style.left = `calc(${x}% - 4px)`;
      handle.style.top = `calc(${y}% - 4px)`;
      handle.style.cursor = `${where}-resize`;
      frame.append(handle);
    }
  }
  placeFrame(selectedRect());
}

function select(name) {
  if (state.selected === name) return;
  state.selected = name;
  $('#delete').disabled = name === state.form.form;
  showSelection();
  showInspector();
}

function pointOnSurface(event) {
  const box = $('#surface').getBoundingClientRect();
  return { x: Math.round(event.clientX - box.left), y: Math.round(event.clientY - box.top) };
}

// The component under the pointer: the innermost box the event reached.
function componentAt(event) {
  const box = event.target.closest('[data-name]');
  return box ? state.byName.get(box.dataset.name) : formComponent();
}

// Where a component dropped at the pointer goes: the innermost container under it.
function containerAt(event) {
  let component = componentAt(event);
  while (component && component.name !== state.form.form && !component.acceptsControls)
    component = state.byName.get(component.parent);
  return component || formComponent();
}

function resized(rect, where, dx, dy) {
  const next = { ...rect };
  if (where.includes('w')) { next.left += dx; next.width -= dx; }
  if (where.includes('e')) next.width += dx;
  if (where.includes('n')) { next.top += dy; next.height -= dy; }
  if (where.includes('s')) next.height += dy;
  next.width = Math.max(next.width, 1);
  next.height = Math.max(next.height, 1);
  return next;
}

let drag = null;

function startDrag(event, where) {
  const component = state.byName.get(state.selected);
  drag = {
    component,
    where,  // a handle, or 'move'
    start: pointOnSurface(event),
    frame: selectedRect(),
    moved: false,
  };
  $('#selection').classList.add('dragging');
  event.preventDefault();
}

function dragTo(event) {
  if (!drag) return;
  const at = pointOnSurface(event);
  const dx = at.x - drag.start.x;
  const dy = at.y - drag.start.y;
  drag.moved = drag.moved || dx !== 0 || dy !== 0;
  drag.dx = dx;
  drag.dy = dy;
  placeFrame(drag.where === 'move'
    ? { ...drag.frame, left: drag.frame.left + dx, top: drag.frame.top + dy }
    : resized(drag.frame, drag.where, dx, dy));
}

function endDrag() {
  if (!drag) return;
  const { component, where, moved, dx, dy } = drag;
  drag = null;
  $('#selection').classList.remove('dragging');
  if (!moved) return;
  const own = { left: component.left, top: component.top, width: component.width || 0, height: component.height || 0 };
  const next = where === 'move' ? { ...own, left: own.left + dx, top: own.top + dy } : resized(own, where, dx, dy);
  change('/api/bounds', { name: component.name, ...next });
}

function onSurfaceDown(event) {
  if (event.button !== 0) return;
  $('#surface').focus();
  if (state.tool) {
    drop(state.tool, event, !event.shiftKey);
    event.preventDefault();
    return;
  }
  const handle = event.target.dataset && event.target.dataset.handle;
  if (handle) {
    startDrag(event, handle);
    return;
  }
  const component = componentAt(event);
  select(component.name);
  if (component.name !== state.form.form) startDrag(event, 'move');
}

// --- Dropping from the palette ---------------------------------------------------------------

function drop(className, event, disarm) {
  const container = containerAt(event);
  const at = pointOnSurface(event);
  const corner = origin(container);
  if (disarm) arm(null);
  change('/api/create', {
    class: className,
    parent: container.name,
    left: at.x - corner.left,
    top: at.y - corner.top,
  }).then((result) => {
    if (result) select(result.change.component);
  });
}

function arm(className) {
  state.tool = className;
  for (const button of document.querySelectorAll('.tool'))
    button.classList.toggle('armed', (button.dataset.class || null) === className);
  $('#surface').classList.toggle('armed', className !== null);
}

function showPalette() {
  const tabs = $('#palette-tabs');
  tabs.replaceChildren();
  state.palette.forEach((page, index) => {
    const tab = document.createElement('button');
    tab.type = 'button';
    tab.setAttribute('role', 'tab');
    tab.setAttribute('aria-selected', String(index === state.page));
    tab.textContent = page.name;
    tab.addEventListener('click', () => { state.page = index; showPalette(); });
    tabs.append(tab);
  });
  const buttons = $('#palette-buttons');
  buttons.replaceChildren();
  const page = state.palette[state.page];
  for (const entry of page ? page.components : []) {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'tool';
    button.dataset.class = entry.class;
    button.title = entry.class;
    button.draggable = true;
    button.append(paletteIcon(entry.class));
    button.addEventListener('click', () => arm(state.tool === entry.class ? null : entry.class));
    button.addEventListener('dragstart', (event) => {
      event.dataTransfer.setData('application/x-wbforms-class', entry.class);
      event.dataTransfer.effectAllowed = 'copy';
    });
    buttons.append(button);
  }
  arm(state.tool);
}

// --- The object inspector --------------------------------------------------------------------

function showInspector() {
  const component = state.byName.get(state.selected);
  const body = $('#properties tbody');
  const focused = document.activeElement && document.activeElement.dataset
    ? document.activeElement.dataset.path : undefined;
  body.replaceChildren();
  if (!component) return;
  $('#inspector-title').textContent = `${component.name}: ${component.class}`;
  body.append(row('Name', textEditor('Name', component.name, (value) => value)));
  addProperties(body, component.properties, '', false);
  if (focused) {
    const again = body.querySelector(`[data-path="${CSS.escape(focused)}"]`);
    if (again) again.focus();
  }
}

function addProperties(body, properties, prefix, nested) {
  for (const property of properties) {
    const path = prefix + property.name;
    if (property.kind === 'object') {
      const open = state.expanded.has(path);
      const label = document.createElement('span');
      label.className = 'group';
      label.dataset.group = path;
      label.textContent = `${open ? '\u25be' : '\u25b8'} ${property.name}`;
      label.addEventListener('click', () => {
        if (open) state.expanded.delete(path); else state.expanded.add(path);
        showInspector();
      });
      const tr = row(label, document.createTextNode(`(${property.class})`));
      if (nested) tr.classList.add('nested');
      body.append(tr);
      if (open) addProperties(body, property.properties, `${path}.`, true);
      continue;
    }
    const tr = row(property.name, editorFor(path, property));
    if (nested) tr.classList.add('nested');
    body.append(tr);
  }
}

function row(label, editor) {
  const tr = document.createElement('tr');
  const name = document.createElement('td');
  name.append(label);
  const value = document.createElement('td');
  value.append(editor);
  tr.append(name, value);
  return tr;
}

function setProperty(path, value) {
  const name = state.selected;
  if (path === 'Name') {
    return change('/api/property', { name, property: path, value }).then((result) => {
      if (result) select(result.change.component);
    });
  }
  return change('/api/property', { name, property: path, value });
}

function textEditor(path, value, convert) {
  const input = document.createElement('input');
  input.type = 'text';
  input.value = value;
  input.dataset.path = path;
  input.spellcheck = false;
  input.addEventListener('change', () => setProperty(path, convert(input.value)));
  return input;
}

function editorFor(path, property) {
  switch (property.kind) {
    case 'integer': {
      const input = document.createElement('input');
      input.type = 'number';
      input.step = '1';
      input.min = String(property.min);
      input.max = String(property.max);
      input.value = String(property.value);
      input.dataset.path = path;
      input.addEventListener('change', () => {
        const number = Number(input.value);
        if (input.value.trim() === '' || !Number.isInteger(number)) {
          sayError(`${property.name}: expected a whole number`);
          input.value = String(property.value);
          return;
        }
        setProperty(path, number);
      });
      return input;
    }
    case 'boolean': {
      const input = document.createElement('input');
      input.type = 'checkbox';
      input.checked = property.value;
      input.dataset.path = path;
      input.addEventListener('change', () => setProperty(path, input.checked));
      return input;
    }
    case 'enumeration': {
      const select = document.createElement('select');
      for (const name of property.names) select.append(new Option(name, name));
      select.value = property.value;
      select.dataset.path = path;
      select.addEventListener('change', () => setProperty(path, select.value));
      return select;
    }
    case 'color': {
      const box = document.createElement('div');
      box.className = 'colour';
      const text = textEditor(path, property.value, (value) => value.trim());
      text.setAttribute('list', 'colour-names');
      const chooser = document.createElement('input');
      chooser.type = 'color';
      chooser.title = 'Choose a colour';
      chooser.value = property.rgb || '#ffffff';
      chooser.dataset.chooser = path;
      chooser.addEventListener('change', () => setProperty(path, chooser.value));
      box.append(text, chooser);
      return box;
    }
    case 'strings': {
      const area = document.createElement('textarea');
      area.value = property.value.join('\n');
      area.rows = Math.min(Math.max(property.value.length, 2), 8);
      area.dataset.path = path;
      area.spellcheck = false;
      area.title = 'One line per item';
      area.addEventListener('change', () => {
        setProperty(path, area.value === '' ? [] : area.value.replace(/\r/g, '').split('\n'));
      });
      return area;
    }
    case 'event':
    case 'string':
    default:
      return textEditor(path, property.value, (value) => value);
  }
}

// --- The page as the browser shows it --------------------------------------------------------

let shownLive = -1;
function showLive() {
  if (shownLive === state.liveVersion) return;
  shownLive = state.liveVersion;
  $('#live-frame').src = `/api/html?version=${state.liveVersion}`;
}

// --- Commands --------------------------------------------------------------------------------

function undo() {
  change('/api/undo', {}).then((result) => { if (result) say('Undone'); });
}

function remove() {
  if (state.selected && state.selected !== state.form.form)
    change('/api/delete', { name: state.selected });
}

function save() {
  enqueue(async () => {
    try {
      const result = await api('/api/save', {});
      showForm(result.form);
      say(`Saved ${result.form.file}`);
    } catch (error) {
      sayError(error.message);
    }
  });
}

function nudge(event) {
  const component = state.byName.get(state.selected);
  if (!component || component.name === state.form.form) return false;
  const steps = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
  const step = steps[event.key];
  if (!step) return false;
  const next = { left: component.left, top: component.top, width: component.width || 0, height: component.height || 0 };
  if (event.shiftKey) {
    next.width = Math.max(next.width + step[0], 1);
    next.height = Math.max(next.height + step[1], 1);
  } else {
    next.left += step[0];
    next.top += step[1];
  }
  change('/api/bounds', { name: component.name, ...next });
  return true;
}

function onKey(event) {
  const editing = event.target.closest('input, textarea, select');
  const command = event.ctrlKey || event.metaKey;
  if (command && event.key === 's') {
    event.preventDefault();
    if (editing) editing.blur();
    save();
  } else if (command && event.key === 'z' && !editing) {
    event.preventDefault();
    undo();
  } else if (editing) {
    // The editors keep their own keys.
  } else if (event.key === 'Delete') {
    event.preventDefault();
    remove();
  } else if (event.key === 'Escape') {
    arm(null);
    select(state.form.form);
  } else if (nudge(event)) {
    event.preventDefault();
  }
}

// --- Start -----------------------------------------------------------------------------------

async function start() {
  for (const name of colourNames) $('#colour-names').append(new Option(name));
  $('#undo').addEventListener('click', undo);
  $('#delete').addEventListener('click', remove);
  $('#save').addEventListener('click', save);
  $('#pointer').addEventListener('click', () => arm(null));
  const surface = $('#surface');
  surface.addEventListener('mousedown', onSurfaceDown);
  window.addEventListener('mousemove', dragTo);
  window.addEventListener('mouseup', endDrag);
  document.addEventListener('keydown', onKey);
  surface.addEventListener('dragover', (event) => {
    if (event.dataTransfer.types.includes('application/x-wbforms-class')) event.preventDefault();
  });
  surface.addEventListener('drop', (event) => {
    const className = event.dataTransfer.getData('application/x-wbforms-class');
    if (!className) return;
    event.preventDefault();
    drop(className, event, false);
  });
  // Another tab may have changed the form meanwhile.
  window.addEventListener('focus', () => enqueue(async () => {
    if (!drag) showForm(await api('/api/form'));
  }).catch(() => {}));
  try {
    state.palette = (await api('/api/palette')).pages;
    showPalette();
    showForm(await api('/api/form'));
    document.body.dataset.ready = 'true';
  } catch (error) {
    sayError(`The designer cannot be reached: ${error.message}`);
  }
}

start();
