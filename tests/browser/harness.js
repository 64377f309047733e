// What every browser script of the tests shares: Debian's chromium through
// puppeteer-core, a failure said in one line, and the test's words heard on
// the script's input.
'use strict';
const puppeteer = require('puppeteer-core');
const readline = require('readline');

function fail(message) {
  console.log('FAIL ' + message);
  process.exit(1);
}

// Runs `script(browser)` in a headless chromium, closed whatever happens;
// an error fails, the end of the script passes.
async function withBrowser(script) {
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
           '--no-first-run'],
  });
  try {
    await script(browser);
  } catch (error) {
    fail(error.message);
  } finally {
    await browser.close();
  }
  process.exit(0);
}

// A function that waits for the test to write a word on a line of its own
// and gives the time it came; the input ending before it fails.
function testWords() {
  const lines = readline.createInterface({input: process.stdin})[Symbol.asyncIterator]();
  return async (word) => {
    for (let line = await lines.next(); !line.done; line = await lines.next())
      if (line.value === word) return Date.now();
    fail('no ' + word);
  };
}

module.exports = {fail, withBrowser, testWords};
