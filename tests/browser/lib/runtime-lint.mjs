// A static check of the page runtime library for the JavaScript that script compaction cannot
// carry: compaction splits lines into statements, tokenizes them with a handful of separators
// and renames every word it does not know by its spelling, so constructs that are fine
// JavaScript (single quotes, typeof, a member chain, "-(") break a page or stop
// the conversion with "JSL unknow". Each finding names the file, the line and a rule.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';

// Words that compaction would rename into undeclared names.
const forbiddenWords = new Set(['typeof', 'instanceof', 'in', 'let', 'null', 'undefined',
  'arguments', 'NaN', 'try', 'delete', 'void', 'catch', 'finally', 'of', 'class',
  'Infinity', 'yield', 'await', 'async']);
// Objects whose dotted words compaction passes through whole.
const keptPrefixes = new Set(['math', 'document', 'window', 'navigator']);
// Library globals that the design names without the prefix: the event constants.
const publicConstants = new Set(['PB_Ev_CloseWindow', 'PB_Ev_Gadget', 'PB_EvTy_LClick',
  'PB_EvTy_LdbClick', 'PB_EvTy_Focus', 'PB_EvTy_LostFocus', 'PB_EvTy_Change']);
// Functions that generated code calls by names that stand in no command-table row.
const publicFunctions = ['QLCXInit', 'ChangeLoop', 'end', 'empty', 'dimfunc', 'NewList',
  'initint', 'initfloat', 'initstring', 'Debug', 'Str', 'Val', 'QLCX_AddEvent'];
const operatorChars = '=+-*/%^<>!&|?:;,(){}[] \t';

// The target-word table and the command table, as the built tool dumps them, so the check
// follows the tables as they change.
export function loadVocabulary(cli) {
  const dump = execFileSync(cli, ['--dump-tables'], { encoding: 'utf8' });
  const targetWords = new Map();
  const commands = new Set(publicFunctions);
  for (const line of dump.split('\n')) {
    const [kind, word, targetName] = line.split('\t');
    if (kind === 'target') {
      const isFunction = word.endsWith('()');
      targetWords.set((isFunction ? word.slice(0, -2) : word).toLowerCase(), isFunction);
    } else if (kind === 'command') {
      commands.add(word.split('(')[0].trim());
      if (targetName !== '' && !targetName.includes('.')) commands.add(targetName);
    }
  }
  return { targetWords, commands };
}

// Splits one line into pieces outside strings and comments: { words, strings, code, problems }.
// `code` is the line with string contents blanked and the comment cut, for the pattern rules.
function scanLine(line) {
  const problems = [];
  let code = '';
  let inString = false;
  for (let i = 0; i < line.length; i++) {
    const c = line[i];
    const next = line[i + 1] ?? '';
    if (inString) {
      if (c === '\\' && next === '"') problems.push(['escaped-quote', '\\" ends the string early']);
      if (c === '\\') {
        code += '  ';
        i++;
        continue;
      }
      if (c === '"') inString = false;
      code += c === '"' ? '"' : ' ';
      continue;
    }
    if (c === '/' && next === '/') break;
    if (c === '/' && next === '*') problems.push(['block-comment', '/* comments are not removed']);
    if (c === '"') inString = true;
    code += c;
  }
  if (inString) problems.push(['multi-line', 'string not closed on its line']);
  return { code, problems };
}

function isNumber(word) {
  return /^[0-9]/.test(word) || /^\.[0-9]/.test(word);
}

// Rules on one line of code (strings blanked): returns [rule, detail] pairs and the words.
function lineRules(code) {
  const problems = [];
  for (const ch of code.replace(/"[^"]*"/g, '')) {
    if (!/[A-Za-z0-9_.]/.test(ch) && !operatorChars.includes(ch)) {
      problems.push(['bad-char', `"${ch}" is no operator the tokenizer knows`]);
    }
  }
  // After "=", "<" or ">" a minus is a sign and stays glued to the word behind it: "-(" is no
  // word at all, and "-Math.PI" loses its kept prefix.
  if (/[=<>]\s*-\s*\(/.test(code)) problems.push(['minus-paren', '"-(": write 0-(...)']);
  if (/[=<>]\s*-\s*(math|document|window|navigator)\./i.test(code)) {
    problems.push(['minus-prefixed', '"-" before a kept object: write -1*...']);
  }
  const words = [];
  const re = /[A-Za-z0-9_.$]+|"[^"]*"|\S/g;
  let m;
  let prev = '';
  while ((m = re.exec(code)) !== null) {
    const tok = m[0];
    const after = code.slice(re.lastIndex).trimStart()[0] ?? '';
    if (tok === '/' && (prev === '' || prev === 'return' || /^[=(,:;!&|?{}[+\-*<>]$/.test(prev))) {
      problems.push(['regex', 'regular expression literal']);
    }
    if (/[A-Za-z0-9_.]/.test(tok[0])) {
      if (isNumber(tok)) {
        if (/^[0-9]*\.?[0-9]*[eE]/.test(tok)) problems.push(['exponent', `number ${tok}`]);
      } else {
        words.push({ word: tok, call: after === '(' });
      }
    }
    prev = tok;
  }
  let depth = 0;
  for (const ch of code.replace(/"[^"]*"/g, '')) {
    if (ch === '(' || ch === '[') depth++;
    if (ch === ')' || ch === ']') depth--;
  }
  const trimmed = code.trim();
  const dangling = /[+\-*/=,&|?:([]$/.test(trimmed) && !/(\+\+|--)$/.test(trimmed) &&
    !/^(case\b.*|default):$/.test(trimmed);
  if (depth !== 0 || dangling) {
    problems.push(['multi-line', 'statement goes on in the next line']);
  }
  return { problems, words };
}

// Lints the given files ({ name, text } in join order) as one library.
export function lintLibrary(files, vocabulary) {
  const findings = [];
  const declared = new Set();
  const topNames = new Map(); // global functions and variables: where each is declared
  const uses = [];
  for (const { name, text } of files) {
    const lines = text.split('\n');
    let braces = 0;
    lines.forEach((raw, index) => {
      const where = `${name}:${index + 1}`;
      const report = ([rule, detail]) => findings.push({ where, rule, detail, line: raw });
      if (/[^\x00-\x7f]/.test(raw)) report(['non-ascii', 'the library text is plain ASCII']);
      const { code, problems } = scanLine(raw);
      problems.forEach(report);
      if (/['`]/.test(code.replace(/"[^"]*"/g, ''))) {
        report(['quote', 'single quote or backtick outside a double-quoted string']);
      }
      const rules = lineRules(code);
      rules.problems.forEach(report);
      const fn = /\bfunction\s+([A-Za-z_][A-Za-z0-9_]*)\s*\(([^)]*)\)/.exec(code);
      if (fn) {
        declared.add(fn[1]);
        fn[2].split(',').map((p) => p.trim()).filter(Boolean).forEach((p) => declared.add(p));
        if (braces === 0) {
          if (topNames.has(fn[1])) {
            report(['duplicate', `${fn[1]} is also defined at ${topNames.get(fn[1])}`]);
          }
          topNames.set(fn[1], where);
          if (!/^QLCX_[A-Z]/.test(fn[1]) && !vocabulary.commands.has(fn[1])) {
            report(['global-name', `function ${fn[1]}: internal globals are QLCX_ + capital`]);
          }
        }
      }
      const anon = /\bfunction\s*\(([^)]*)\)/.exec(code);
      if (anon) anon[1].split(',').map((p) => p.trim()).filter(Boolean).forEach((p) => declared.add(p));
      for (const v of code.matchAll(/\bvar\s+([A-Za-z_][A-Za-z0-9_]*)/g)) {
        declared.add(v[1]);
        if (braces === 0 && !/^QLCX_[A-Z]/.test(v[1]) && !publicConstants.has(v[1])) {
          report(['global-name', `var ${v[1]}: internal globals are QLCX_ + capital`]);
        }
        if (braces === 0) {
          if (topNames.has(v[1])) {
            report(['duplicate', `${v[1]} is also defined at ${topNames.get(v[1])}`]);
          }
          topNames.set(v[1], where);
        }
      }
      rules.words.forEach((w) => uses.push({ ...w, where, raw }));
      for (const ch of code.replace(/"[^"]*"/g, '')) {
        if (ch === '{') braces++;
        if (ch === '}') braces--;
      }
    });
  }
  for (const { word, call, where, raw } of uses) {
    const report = (rule, detail) => findings.push({ where, rule, detail, line: raw });
    const dot = word.indexOf('.');
    const object = dot < 0 ? word : word.slice(0, dot);
    const member = dot < 0 ? '' : word.slice(dot);
    if (object !== '') {
      if (forbiddenWords.has(object)) report('forbidden-word', object);
      else if (object === 'this' && member !== '') report('this-member', 'this. is renamed');
      else if (!keptPrefixes.has(object.toLowerCase())) {
        const target = vocabulary.targetWords.get(object.toLowerCase());
        const kept = target !== undefined && (!target || (call && member === ''));
        if (!kept && !declared.has(object) && !vocabulary.commands.has(object)) {
          report('undeclared', `${object} is neither declared nor a kept browser word`);
        }
      }
    }
    if (member !== '' && (object === '' || !keptPrefixes.has(object.toLowerCase()))) {
      if (!vocabulary.targetWords.has(member.toLowerCase())) {
        report('member', `${member} is not in the target-word table`);
      }
    }
  }
  return findings;
}

// Reads page-runtime/*.js in join order.
export function runtimeFiles(sourceDir) {
  const dir = path.join(sourceDir, 'page-runtime');
  return fs.readdirSync(dir).filter((f) => f.endsWith('.js')).sort()
    .map((f) => ({ name: f, text: fs.readFileSync(path.join(dir, f), 'utf8') }));
}
