// A judge's phone and a spectator's phone on the arena network, in Debian's
// chromium at a phone's size. Usage: node arena-phone.js BASE_URL ENTRY_CODE
// [SHOTS_FOLDER]. The judge sends game 4 and the script prints "SENT"; after
// the line "ACCEPTED" on its input, the spectator's page must show the new
// total within one second, and the judge's page "accepted" well before its
// two-second fallback would look again.
'use strict';
const {fail, withBrowser, testWords} = require('./harness');

const [base, code, shots] = process.argv.slice(2);
const phone = {width: 390, height: 844, isMobile: true, hasTouch: true};

withBrowser(async (browser) => {
  const spectator = await browser.newPage();
  await spectator.setViewport(phone);
  await spectator.goto(base + '/', {waitUntil: 'load'});
  const total = () => spectator.$eval('td.total', (cell) => cell.textContent);
  const before = await total();
  if (shots) await spectator.screenshot({path: shots + '/live-before.png', fullPage: true});

  const judge = await browser.newPage();
  await judge.setViewport(phone);
  await judge.goto(base + '/entry', {waitUntil: 'load'});
  await judge.type('#code', code);
  if (shots) await judge.screenshot({path: shots + '/entry-code.png'});
  await Promise.all([judge.waitForNavigation(), judge.tap('button[type=submit]')]);
  const proposed = await judge.$eval('#game', (list) => list.value);
  if (proposed !== '4') fail('game proposed: ' + proposed);
  // The fourth team first, the first team last: the leader changes.
  for (const [team, place] of [['t1', '3'], ['t2', '2'], ['t3', '1'], ['t4', '0']])
    await judge.select('#' + team, place);
  if (shots) await judge.screenshot({path: shots + '/entry-result.png', fullPage: true});
  await Promise.all([judge.waitForNavigation(), judge.tap('button[type=submit]')]);
  const status = await judge.$eval('#status', (s) => s.textContent);
  if (status !== 'received') fail('status after sending: ' + status);
  console.log('SENT');

  const accepted = await testWords()('ACCEPTED');
  await spectator.waitForFunction(
      (old) => document.querySelector('td.total').textContent !== old, {timeout: 1000}, before);
  console.log('LIVE ' + (Date.now() - accepted) + ' ms, leader ' + before + ' -> ' +
              (await total()));
  if (shots) await spectator.screenshot({path: shots + '/live-after.png', fullPage: true});
  // The judge's page hears of the decision on the event stream.
  let decided = '';
  while (decided !== 'accepted' && Date.now() - accepted < 1500) {
    await new Promise((resolve) => setTimeout(resolve, 50));
    decided = await judge.$eval('#status', (s) => s.textContent).catch(() => '');
  }
  if (decided !== 'accepted') fail('judge sees: ' + decided);
  console.log('JUDGE accepted ' + (Date.now() - accepted) + ' ms');
  if (shots) await judge.screenshot({path: shots + '/entry-accepted.png'});
});
