// The judge's and the spectator's phones for the user guide's pictures, in
// Debian's chromium at a phone's size, talking to the window's arena network.
// Usage: node phones.js BASE_URL ENTRY_CODE JUDGE_NAME PLACES ACCEPTED PICTURES
// PLACES: each team's place in the game the entry page proposes ("2 1 4 3");
// ACCEPTED: the word the judge's page shows once the scorer accepted;
// PICTURES: the start of each picture's path ("res/program/guide_en_").
// Prints "SENT" once the judge's result waits in the window, then waits for a
// line "ACCEPTED" on its input, and prints "DONE" at the end.
'use strict';
const puppeteer = require('puppeteer-core');
const readline = require('readline');

const [base, code, judgeName, places, acceptedWord, pictures] = process.argv.slice(2);
const phone = {width: 390, height: 844, deviceScaleFactor: 1, isMobile: true, hasTouch: true};

async function openPhone(browser, path) {
  const page = await browser.newPage();
  await page.setViewport(phone);
  await page.goto(base + path, {waitUntil: 'load'});
  return page;
}

(async () => {
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--no-first-run',
           '--hide-scrollbars'],
  });
  try {
    const judge = await openPhone(browser, '/entry');
    await judge.type('#code', code);
    await judge.type('#name', judgeName);
    // The caret would blink into one picture and not the next.
    await judge.$eval('#name', (field) => field.blur());
    await judge.screenshot({path: pictures + 'judge_code.png'});
    await Promise.all([judge.waitForNavigation(), judge.tap('button[type=submit]')]);

    const teams = places.split(' ');
    for (let t = 0; t < teams.length; ++t)
      await judge.select('#t' + (t + 1), String(Number(teams[t]) - 1));
    await judge.screenshot({path: pictures + 'judge_form.png'});
    await Promise.all([judge.waitForNavigation(), judge.tap('button[type=submit]')]);
    await judge.waitForSelector('#status');
    console.log('SENT');

    const input = readline.createInterface({input: process.stdin});
    for await (const line of input) if (line === 'ACCEPTED') break;
    input.close();
    await judge.waitForFunction(
        (word) => document.querySelector('#status').textContent === word, {timeout: 10000},
        acceptedWord);
    await judge.screenshot({path: pictures + 'judge_accepted.png'});

    const spectator = await openPhone(browser, '/');
    await spectator.screenshot({path: pictures + 'phone.png'});
    console.log('DONE');
  } catch (error) {
    console.log('FAIL ' + error.message);
    process.exitCode = 1;
  } finally {
    await browser.close();
  }
  process.exit();
})();
