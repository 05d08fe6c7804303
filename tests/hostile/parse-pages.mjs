// Compiles the script of each page given on the command line as the browser would (a
// classic script), without running it. Prints each page whose script does not parse and
// exits with 1 if there was one. Shared by the malformed-source test and the fuzz replay.
import { readFileSync } from "node:fs";
import { Script } from "node:vm";

let failed = 0;
for (const page of process.argv.slice(2)) {
  const text = readFileSync(page, "utf8");
  const start = text.indexOf(">", text.indexOf("<script")) + 1;
  const end = text.indexOf("</script>", start);
  try {
    if (start <= 0 || end < 0) throw new Error("no script element");
    new Script(text.slice(start, end), { filename: page });
  } catch (e) {
    failed++;
    console.log(`${page}: ${e.message}`);
  }
}
process.exit(failed ? 1 : 0);
