// Static check of page-runtime/*.js (node only, no browser): the library must keep to the
// JavaScript that script compaction carries intact, and compacting all of it must give valid
// JavaScript. The second half proves the check itself catches each construct that breaks a
// page (a false alarm shows at once on the library itself, so it needs no table here).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { cli, nodeCheck, pageFromJs, scriptOf, sourceDir } from './lib/harness.mjs';
import { lintLibrary, loadVocabulary, runtimeFiles } from './lib/runtime-lint.mjs';

const vocabulary = loadVocabulary(cli);

function show(findings) {
  return findings.map((f) => `${f.where} [${f.rule}] ${f.detail}\n    ${f.line.trim()}`).join('\n');
}

test('the runtime library keeps to what compaction carries', () => {
  const findings = lintLibrary(runtimeFiles(sourceDir), vocabulary);
  assert.equal(findings.length, 0, show(findings));
});

test('the library starts with the INIT comment line', () => {
  const [first] = runtimeFiles(sourceDir);
  assert.equal(first.text.split('\n')[0], '// INIT ...');
});

// Compaction drops functions and top-level variables that nothing refers to, so the program
// refers to every one of them: then every line of the library goes through renaming and
// reassembly.
test('the whole library compacts without a report into valid JavaScript', () => {
  const text = runtimeFiles(sourceDir).map((f) => f.text).join('\n');
  const names = [...text.matchAll(/^(?:function|var) ([A-Za-z_][A-Za-z0-9_]*)\b/gm)].map((m) => m[1]);
  const js = `function INIT(){\nwindow.QCkeep=[${names.join(',')}];\n}\n`;
  for (const compact of [true, false]) {
    const built = pageFromJs(js, { compact });
    assert.equal(built.status, 0, built.log.join('\n'));
    assert.deepEqual(built.log.filter((l) => l.includes('JSL unknow')), []);
    nodeCheck(scriptOf(built.page));
  }
});

// Each snippet is the body of a function whose parameters declare the names it uses.
const wrap = (line) => ({ name: 'sample.js', text: `function QLCX_T(x,a,b,s,el,q){\n${line}\n}\n` });
const rulesOf = (text) => lintLibrary([{ name: 'sample.js', text }], vocabulary).map((f) => f.rule);

const caught = [
  ['x=\'a\';', 'quote'], ['x="a\\"b";', 'escaped-quote'], ['x=`a`;', 'quote'],
  ['x=/ab+/;', 'regex'], ['x=a.replace(/b/,s);', 'regex'], ['x=1; /* note */', 'block-comment'],
  ['x=1e5;', 'exponent'], ['x=2.5E-3;', 'exponent'], ['x="\u00A7";', 'non-ascii'],
  ['if(typeof a){', 'forbidden-word'], ['x=null;', 'forbidden-word'],
  ['for(a in s){', 'forbidden-word'], ['x=this.value;', 'this-member'],
  ['x=-(a+b);', 'minus-paren'], ['x=-Math.PI;', 'minus-prefixed'],
  ['if(a<-(b)){', 'minus-paren'], ['x = - window.innerWidth;', 'minus-prefixed'],
  ['x=el.target.id;', 'member'], ['x=s.codePointAt(1);', 'member'], ['x=Reflect.ownKeys(a);', 'undeclared'],
  ['x=parseInt(s);', 'undeclared'], ['x=new Image;', 'undeclared'], ['x=a#b;', 'bad-char'],
  ['x=f(a,', 'multi-line'], ['x=a+', 'multi-line'], ['x="open;', 'multi-line'],
];

test('the check catches what breaks a compacted page', () => {
  for (const [line, rule] of caught) {
    assert.ok(rulesOf(wrap(line).text).includes(rule), `${line} should give ${rule}`);
  }
});

test('globals need the QLCX_ prefix; library functions may be command names', () => {
  const rows = [
    ['var counter=0;\n', ['global-name']],
    ['var QLCX_Counter=0;\n', []],
    ['var PB_Ev_Gadget=2;\n', []],
    ['function helper(){\n}\n', ['global-name']],
    ['function Left(s,n){\nreturn s;\n}\n', []],
    ['function QLCX_Helper(){\nvar local=0;\n}\n', []],
    ['function Left(s){\n}\nfunction Left(s){\n}\n', ['duplicate']],
  ];
  for (const [text, rules] of rows) assert.deepEqual(rulesOf(text), rules, text);
});
