// A judge's phone that loses the network, in Debian's chromium at a phone's
// size. Usage: node arena-offline.js BASE_URL ENTRY_CODE [SHOTS_FOLDER]. The
// judge logs in, the script cuts the phone's network and sends game 4: the
// page must keep it and say "not sent yet" (the script prints "KEPT"). After
// the line "BACK" on its input the network returns, and the page must send
// the result by itself and show "received" (the script prints "SENT").
'use strict';
const {fail, withBrowser, testWords} = require('./harness');

const [base, code, shots] = process.argv.slice(2);

withBrowser(async (browser) => {
  const judge = await browser.newPage();
  await judge.setViewport({width: 390, height: 844, isMobile: true, hasTouch: true});
  await judge.goto(base + '/entry', {waitUntil: 'load'});
  await judge.type('#code', code);
  await judge.type('#name', 'Finish judge');
  await Promise.all([judge.waitForNavigation(), judge.tap('button[type=submit]')]);

  await judge.setOfflineMode(true);
  for (const [team, place] of [['t1', '3'], ['t2', '2'], ['t3', '1'], ['t4', '0']])
    await judge.select('#' + team, place);
  await judge.tap('button[type=submit]');
  await judge.waitForFunction(
      () => /Game 4: not sent yet/.test(document.getElementById('zav-unsent').textContent),
      {timeout: 5000}).catch(() => fail('the page does not keep the result'));
  if (shots) await judge.screenshot({path: shots + '/entry-not-sent.png', fullPage: true});
  console.log('KEPT');

  const back = await testWords()('BACK');
  await judge.setOfflineMode(false);
  await judge.waitForFunction(
      () => { const s = document.getElementById('status'); return s && s.textContent === 'received'; },
      {timeout: 15000}).catch(() => fail('the result was not sent once the network was back'));
  const unsent = await judge.evaluate(() => localStorage.getItem('zav-unsent'));
  if (unsent !== '[]') fail('still kept: ' + unsent);
  console.log('SENT ' + (Date.now() - back) + ' ms');
  if (shots) await judge.screenshot({path: shots + '/entry-sent.png'});
});
