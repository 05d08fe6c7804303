// String functions, Str and Val, colours and random numbers of the page runtime, each row an
// expression evaluated in the page, plain and compacted.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser } from './lib/harness.mjs';
import { assertRows, modes, runScript } from './lib/runtime-page.mjs';

// [expression in the page, expected value]
const stringRows = [
  ['Left("abc",2)', 'ab'], ['Left("abc",9)', 'abc'], ['Left("abc",0)', ''], ['Left("abc",-1)', ''],
  ['Left("",3)', ''], ['Left(123,2)', '12'],
  ['Mid("hello",2,3)', 'ell'], ['Mid("hello",2)', 'ello'], ['Mid("hello",4,9)', 'lo'],
  ['Mid("hello",9,2)', ''], ['Mid("hello",0,2)', 'he'], ['Mid("hello",3,0)', ''],
  ['Right("hello",2)', 'lo'], ['Right("hi",5)', 'hi'], ['Right("hi",0)', ''], ['Right("",1)', ''],
  ['FindString("abcabc","c")', 3], ['FindString("abcabc","c",0)', 3],
  ['FindString("abcabc","a",1)', 1], ['FindString("abcabc","a",2)', 4], ['FindString("abcabc","x")', 0],
  ['FindString("abc","c",9)', 0], ['FindString("abc","")', 0], ['FindString("aaa","aa",2)', 2],
  ['LCase("AbC1")', 'abc1'], ['UCase("aBc1")', 'ABC1'], ['Len("")', 0], ['Len("abc")', 3],
  ['CountString("aaaa","aa")', 2], ['CountString("aaa","aa")', 1], ['CountString("abc","")', 0],
  ['CountString("","a")', 0], ['CountString("abab","ab")', 2],
  ['Space(3)', '   '], ['Space(0)', ''], ['Space(-2)', ''], ['Space(3,"ab")', 'ababab'],
  ['Space(2,"")', ''],
  ['ReverseString("abc")', 'cba'], ['ReverseString("")', ''],
  ['Asc("A")', 65], ['Asc("ab")', 97], ['Asc("")', 0],
  ['ReplaceString("a","a","aa")', 'aa'], ['ReplaceString("abab","ab","x")', 'xx'],
  ['ReplaceString("aaa","aa","b")', 'ba'], ['ReplaceString("abc","","x")', 'abc'],
  ['ReplaceString("","a","b")', ''], ['ReplaceString("abc","b","")', 'ac'],
  ['RemoveString("aabb","ab")', ''], ['RemoveString("xaxbx","x")', 'ab'],
  ['RemoveString("abc","")', 'abc'], ['RemoveString("abc","abcd")', 'abc'],
  ['InsertString("abc","X",2)', 'aXbc'], ['InsertString("abc","X",1)', 'Xabc'],
  ['InsertString("abc","X",4)', 'abcX'], ['InsertString("abc","X",9)', 'abcX'],
  ['InsertString("abc","X",0)', 'Xabc'],
  ['StringField("a,b,c",2,",")', 'b'], ['StringField("a,b,c",1,",")', 'a'],
  ['StringField("a,b,c",3,",")', 'c'], ['StringField("a,b,c",4,",")', ''],
  ['StringField("a,b,c",0,",")', ''], ['StringField("a,b,c",1,"")', ''],
  ['StringField("a,,c",2,",")', ''], ['StringField("a,,c",3,",")', 'c'],
  ['StringField("a::b",2,"::")', 'b'], ['StringField("abc",1,",")', 'abc'],
  ['LSet("abcdef",3)', 'abc'], ['LSet("ab",4)', 'ab  '], ['LSet("ab",4,"*")', 'ab**'],
  ['LSet("ab",0)', ''],
  ['RSet("7",3,"0")', '007'], ['RSet("abcdef",3)', 'abc'], ['RSet("ab",4)', '  ab'],
  ['LTrim("  a ")', 'a '], ['RTrim("  a ")', '  a'], ['Trim("  a ")', 'a'], ['Trim("   ")', ''],
  ['Trim("xxaxx","x")', 'a'], ['Trim("--a--","-+")', 'a'], ['LTrim("  a","")', '  a'],
  ['Str(5)', '5'], ['Str(-1.5)', '-1.5'], ['Str(0)', '0'],
  ['Val("12abc")', 12], ['Val("  -3.5x")', -3.5], ['Val("+7")', 7], ['Val("$FF")', 255],
  ['Val("$ff")', 255], ['Val("$1G")', 1], ['Val("-$10")', -16], ['Val("$")', 0],
  ['Val("abc")', 0], ['Val("")', 0], ['Val(".5")', 0.5], ['Val("12.")', 12], ['Val("1e5")', 1],
  ['Val("-")', 0], ['Val(42)', 42],
];

const colourRows = [
  ['RGB(255,0,0)', 255], ['RGB(0,255,0)', 65280], ['RGB(0,0,255)', 16711680],
  ['RGB(255,255,255)', 16777215], ['Blue(RGB(0,0,255))', 255],
  ['Red(RGB(1,2,3))', 1], ['Green(RGB(1,2,3))', 2], ['Blue(RGB(1,2,3))', 3],
  ['RGBA(0,0,0,255)', -16777216], ['RGBA(1,2,3,128)', -2147286527], ['RGBA(1,2,3,127)', 2130903553],
  ['Alpha(RGBA(1,2,3,200))', 200], ['Alpha(RGB(1,2,3))', 0],
  ['Red(RGBA(10,20,30,255))', 10], ['Green(RGBA(10,20,30,255))', 20],
  ['Blue(RGBA(10,20,30,255))', 30],
  ['QLCX_ColorText(RGB(1,2,3))', 'rgb(1,2,3)'], ['QLCX_ColorText(RGBA(1,2,3,255))', 'rgb(1,2,3)'],
];

function scriptOfRows(rows) {
  return ['function INIT(){', ...rows.map(([expr]) => `rec(${expr});`), '}'].join('\n');
}

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

for (const mode of modes) {
  test(`string functions on awkward inputs (${mode.name})`, async () => {
    const run = await runScript(browser, scriptOfRows(stringRows), mode);
    assertRows(run.results, stringRows);
    await run.context.close();
  });

  test(`colours in 32-bit signed arithmetic (${mode.name})`, async () => {
    const run = await runScript(browser, scriptOfRows(colourRows), mode);
    assertRows(run.results, colourRows);
    await run.context.close();
  });

  test(`Random stays within 0 to v and reaches both ends (${mode.name})`, async () => {
    const js = `function INIT(){
var seen=[0,0,0,0];
var odd=0;
var floats=0;
for(var i=0;i<4000;i++){
var r=Random(3);
if(r>=0&&r<=3&&Math.floor(r)==r){
seen[r]++;
}else{
odd++;
}
var f=RandomFloat(2);
if(f>=0&&f<2){
floats++;
}
}
rec(seen);
rec(odd);
rec(floats);
}`;
    const run = await runScript(browser, js, mode);
    const [seen, odd, floats] = run.results;
    assert.equal(odd, 0, 'every Random(3) is a whole number from 0 to 3');
    assert.ok(seen.every((n) => n > 0), `every value from 0 to 3 occurs: ${seen}`);
    // 1000 expected each; a Random that favoured the middle gave the ends about 500.
    assert.ok(seen.every((n) => n > 850 && n < 1150), `each value about equally often: ${seen}`);
    assert.equal(floats, 4000, 'every RandomFloat(2) is at least 0 and below 2');
    await run.context.close();
  });
}
