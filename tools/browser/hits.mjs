// Records which <area> a real browser picks at every whole pixel of a picture, for the
// cases in cases.json and for seeded random maps of fractional rectangles, circles and
// polygons. Each case's page shows one <img usemap> at 0,0 at 100 % with the case's map;
// document.elementFromPoint(x, y) is asked for every integer point of the picture, or with
// --mouse (always in Firefox) the mouse is moved there and the mousemove's target recorded.
//
// Run from this folder (Debian's chromium, or firefox-esr for --browser firefox):
//   npm install
//   node hits.mjs [--browser chromium|firefox] [--mouse] [--cases FILE] [--random COUNT]
//                 [--seed N] [--far-circles] > chromium.grids
//   ../../build/tools/browser/browser_hits chromium.grids
// browser_hits recomputes every grid with Korvel's browser rules and lists the pixels
// where they disagree.
//
// Output, per case: "case NAME WIDTH HEIGHT AREAS-AS-JSON", then HEIGHT rows of WIDTH
// characters: "." where no area is hit, 0-9 then a-z for the area's index in the map.
import puppeteer from 'puppeteer-core';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

function option(name, fallback) {
  const at = process.argv.indexOf(name);
  return at >= 0 ? process.argv[at + 1] : fallback;
}

const browserName = option('--browser', 'chromium');
const randomCount = Number(option('--random', '200'));
// Circles of radius 1,000 to 30,000 whose rims cross the picture: browsers place such a rim
// only to a few thousandths of a pixel, so browser_hits reports a few pixels just outside
// the rim (see docs/browser-rules.md).
const farCircles = process.argv.includes('--far-circles');
const useMouse = browserName === 'firefox' || process.argv.includes('--mouse');
let seed = Number(option('--seed', '1'));

// A small deterministic generator, so a seed names the same random maps every run.
function random() {
  seed = (seed * 1103515245 + 12345) % 2147483648;
  return seed / 2147483648;
}
// decimals 3 stands for whole 1/64 steps, which browsers hold exactly.
const between = (low, high, decimals) => {
  const value = low + random() * (high - low);
  return decimals === 3 ? Math.round(value * 64) / 64 : Number(value.toFixed(decimals));
};

function randomArea(width, height) {
  const kind = Math.floor(random() * (farCircles ? 4 : 3));
  const decimals = Math.floor(random() * 4);
  if (kind === 0) {
    const numbers = [0, 1, 2, 3].map((i) => between(-5, (i % 2 ? height : width) + 5, decimals));
    return { shape: 'rect', coords: numbers.join(','), href: '#' };
  }
  if (kind === 1) {
    const numbers = [between(0, width, decimals), between(0, height, decimals), between(0, 30, decimals)];
    return { shape: 'circle', coords: numbers.join(','), href: '#' };
  }
  if (kind === 3) {
    // A circle as large as a map can be, whose rim crosses the picture.
    const centreX = -between(1000, 30000, decimals);
    const numbers = [centreX, between(0, height, decimals), between(-centreX, width - centreX, decimals)];
    return { shape: 'circle', coords: numbers.join(','), href: '#' };
  }
  const count = 3 + Math.floor(random() * 6);
  const numbers = [];
  for (let i = 0; i < count; ++i) numbers.push(between(-5, width + 5, decimals), between(-5, height + 5, decimals));
  return { shape: 'poly', coords: numbers.join(','), href: '#' };
}

function randomCases(count) {
  const cases = [];
  for (let i = 0; i < count; ++i) {
    const areas = [];
    const areaCount = 1 + Math.floor(random() * 4);
    for (let a = 0; a < areaCount; ++a) areas.push(randomArea(80, 60));
    cases.push({ name: `random-${i + 1}`, width: 80, height: 60, areas });
  }
  return cases;
}

function escapeAttribute(text) {
  return text.replaceAll('&', '&amp;').replaceAll('"', '&quot;');
}

function areaTag(area) {
  let tag = '<area';
  for (const name of ['shape', 'coords', 'href']) {
    if (name in area) tag += ` ${name}="${escapeAttribute(area[name])}"`;
  }
  if (area.nohref) tag += ' nohref';
  return tag + '>';
}

function page(testCase) {
  const picture = `data:image/svg+xml,${encodeURIComponent(
    `<svg xmlns="http://www.w3.org/2000/svg" width="${testCase.width}" height="${testCase.height}"/>`)}`;
  return '<!DOCTYPE html><html><body style="margin:0">' +
    `<img usemap="#m" src="${picture}" width="${testCase.width}" height="${testCase.height}" style="display:block">` +
    `<map name="m">${testCase.areas.map(areaTag).join('')}</map></body></html>`;
}

// Runs in the page: one character per pixel, for the element that elementAt(x, y) names.
function pixelsInPage(width, height, elementAt) {
  const symbols = '0123456789abcdefghijklmnopqrstuvwxyz';
  const areas = Array.from(document.querySelector('map').areas);
  const picture = document.querySelector('img');
  const rows = [];
  for (let y = 0; y < height; ++y) {
    let row = '';
    for (let x = 0; x < width; ++x) {
      const element = elementAt(x, y);
      const index = areas.indexOf(element);
      row += index >= 0 ? symbols[index] : element === picture ? '.' : '?';
    }
    rows.push(row);
  }
  return rows;
}

function pixelsByElementFromPoint(tab, width, height) {
  return tab.evaluate((width, height, pixels) => {
    return eval(`(${pixels})`)(width, height, (x, y) => document.elementFromPoint(x, y));
  }, width, height, pixelsInPage.toString());
}

// Firefox's elementFromPoint answers with the <img>, so there the mouse is moved over every
// pixel instead, and each mousemove's target is the area it landed on.
async function pixelsByMouse(tab, width, height) {
  await tab.evaluate(() => {
    window.korvelTargets = new Map();
    document.addEventListener('mousemove', (event) => {
      window.korvelTargets.set(`${event.clientX},${event.clientY}`, event.target);
    }, true);
  });
  await tab.mouse.move(width + 10, height + 10);
  for (let y = 0; y < height; ++y) {
    await tab.mouse.move(0, y);
    if (width > 1) await tab.mouse.move(width - 1, y, { steps: width - 1 });
  }
  return tab.evaluate((width, height, pixels) => {
    return eval(`(${pixels})`)(width, height, (x, y) => window.korvelTargets.get(`${x},${y}`));
  }, width, height, pixelsInPage.toString());
}

async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'korvel-hits-'));
  const common = { headless: true };
  if (browserName === 'firefox') {
    return { profile, browser: await puppeteer.launch({ ...common, browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
      args: ['--headless', '--profile', profile] }) };
  }
  return { profile, browser: await puppeteer.launch({ ...common, executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`] }) };
}

const casesFile = option('--cases', new URL('./cases.json', import.meta.url));
const cases = JSON.parse(readFileSync(casesFile)).concat(randomCases(randomCount));
const { profile, browser } = await launch();
try {
  const tab = await browser.newPage();
  await tab.setViewport({ width: 400, height: 400, deviceScaleFactor: 1 });
  console.error(`${browserName} ${await browser.version()}`);
  for (const testCase of cases) {
    await tab.setContent(page(testCase), { waitUntil: 'load' });
    const rows = await (useMouse ? pixelsByMouse : pixelsByElementFromPoint)(tab, testCase.width, testCase.height);
    console.log(`case ${testCase.name} ${testCase.width} ${testCase.height} ${JSON.stringify(testCase.areas)}`);
    console.log(rows.join('\n'));
  }
} finally {
  await browser.close();
  rmSync(profile, { recursive: true, force: true });
}
