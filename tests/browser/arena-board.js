// The big-screen board on a 1280x720 television, in Debian's chromium.
// Usage: node arena-board.js BASE_URL [SHOTS_FOLDER]. The board turns the
// ranking and the 'Challenge'; the script prints "READY", then after the
// line "ACCEPTED" on its input the ranking must show game 4 within one
// second, and after "CHOSEN" (the scorer fixed the board on the 'Challenge')
// the board must show the 'Challenge' alone within one second, nobody
// touching it.
'use strict';
const {fail, withBrowser, testWords} = require('./harness');

const [base, shots] = process.argv.slice(2);

withBrowser(async (browser) => {
  const board = await browser.newPage();
  await board.setViewport({width: 1280, height: 720});
  await board.goto(base + '/board', {waitUntil: 'load'});
  const shown = () => board.evaluate(() => Array.from(document.querySelectorAll('.view'))
      .filter((v) => !v.hidden).map((v) => v.getAttribute('data-key')).join(','));
  const views = await board.$$eval('.view', (all) => all.length);
  if (views !== 2) fail('views in turn: ' + views);
  if ((await shown()) !== 'ranking') fail('first view: ' + (await shown()));
  if (shots) await board.screenshot({path: shots + '/board-before.png'});
  console.log('READY');

  const heard = testWords();
  let since = await heard('ACCEPTED');
  await board.waitForFunction(
      () => /Game 4/.test(document.querySelector('[data-key=ranking] thead').textContent),
      {timeout: 1000}).catch(() => fail('the ranking did not show game 4'));
  console.log('LIVE ' + (Date.now() - since) + ' ms');
  if (shots) await board.screenshot({path: shots + '/board-after.png'});

  since = await heard('CHOSEN');
  await board.waitForFunction(
      () => document.querySelectorAll('.view').length === 1 &&
          !document.querySelector('[data-key=challenge]').hidden,
      {timeout: 1000}).catch(() => fail('the board did not follow the choice'));
  console.log('FOLLOWED ' + (Date.now() - since) + ' ms');
  if (shots) await board.screenshot({path: shots + '/board-challenge.png'});
});
