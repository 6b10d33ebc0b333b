#!/usr/bin/env python3
"""Fails when README.md, HACKING.md or docs/*.md name something the tree does not hold: a
repository path or script (in backticks, code blocks and links, with the link's heading),
a preset (`--preset X`, "`X` preset"), or a CMake target or test (`Skarvel::x`, a
snake_case name in backticks, `--target X`, a `helper()`), read from the CMake files
without configuring. Paths outside the tree (absolute, `~/`, `../`) and under ignored
folders (build/) are what a build or a machine makes, and are not checked."""
import functools
import json
import re
import subprocess
import sys
from pathlib import Path

root = Path(__file__).resolve().parent.parent
tracked = subprocess.run(["git", "ls-files"], cwd=root, capture_output=True, text=True,
                         check=True).stdout.split("\n")
tracked = [p for p in tracked if p]
folders = {str(Path(p).parents[i]) for p in tracked for i in range(len(Path(p).parents) - 1)}
entries = set(tracked) | folders
top_level = {p.split("/")[0] for p in tracked}
source_kinds = (".sh", ".py", ".cmake", ".cpp", ".h", ".in", ".txt", ".json", ".md", ".supp")

presets = json.loads((root / "CMakePresets.json").read_text())
preset_names = {kind: {p["name"] for p in presets.get(kind + "Presets", [])}
                for kind in ("configure", "build", "test")}

cmake_text = "\n".join((root / p).read_text() for p in tracked
                       if p.endswith("CMakeLists.txt") or p.endswith(".cmake"))
targets = set(re.findall(
    r"\b(?:add_library|add_executable|add_custom_target|skarvel_add_\w+)\(\s*([\w:.-]+)",
    cmake_text))
targets |= set(re.findall(r"\badd_test\(\s*NAME\s+([\w.-]+)", cmake_text))
helpers = set(re.findall(r"\b(?:function|macro)\(\s*(\w+)", cmake_text))
# Another snake_case name in backticks (a variable, a corpus) must be a word of the sources.
words = set()
for p in tracked:
    if not p.endswith(".md"):
        try:
            words.update(re.findall(r"\w+", (root / p).read_text()))
        except UnicodeDecodeError:
            pass  # a picture or another binary file


@functools.cache
def ignored(folder):
    return subprocess.run(["git", "check-ignore", "-q", folder], cwd=root).returncode == 0


docs = ["README.md", "HACKING.md"]
docs += sorted(p for p in tracked if re.fullmatch(r"docs/[^/]+\.md", p))
problems = []


def anchors(doc):
    """GitHub's anchors of a document's headings."""
    found = set()
    for line in (root / doc).read_text().splitlines():
        heading = re.match(r"#+\s+(.*)", line)
        if heading:
            text = re.sub(r"[^\w\- ]", "", heading.group(1).strip().lower())
            found.add(text.replace(" ", "-"))
    return found


def exists_as_path(token, doc):
    """Whether a path-like token names something in the tree; None when it is not checked."""
    token = token.rstrip("/")
    if token.startswith("./"):
        token = token[2:]
    if token.startswith(("/", "~", "..")) or re.match(r"[A-Za-z]:\\", token):
        return None  # outside the tree: the machine's or a neighbour's
    if ignored(token.split("/")[0] + "/"):
        return None  # what a build makes
    if token in entries or str(Path(doc).parent / token) in entries:
        return True
    # A name given relative to a folder named beside it: `icons/skarvel.svg`, `run-row.sh`.
    return any(p == token or p.endswith("/" + token) for p in entries)


def check_path(token, doc, number):
    token = token.strip("()[]\"',;:")
    if not token or re.search(r"[<>*$=|{}\\]", token) or token.startswith("-") or "::" in token:
        return
    first = token[2:] if token.startswith("./") else token
    if not ("/" in first or first in top_level or first.endswith(source_kinds)):
        return
    if exists_as_path(token, doc) is False:
        problems.append(f"{doc}:{number}: `{token}`: no such file or folder in the repository")


def check_preset(name, kind, doc, number):
    names = preset_names[kind] if kind else set().union(*preset_names.values())
    if name not in names:
        problems.append(f"{doc}:{number}: no {kind or 'such'} preset `{name}` in CMakePresets.json")


def check_text(text, doc, first_line, spans):
    """The names in a document's text; spans are (offset, text) of its code spans."""
    def line_of(offset):
        return first_line + text.count("\n", 0, offset)

    for command in re.finditer(r"--preset[= ]\s*([\w-]+)", text):
        before = text[text.rfind("\n", 0, command.start()) + 1:command.start()]
        kind = "test" if "ctest" in before else "build" if "--build" in before else "configure"
        check_preset(command.group(1), kind, doc, line_of(command.start()))
    for mention in re.finditer(r"`([\w-]+)`\s+(?:(test|build)\s+)?preset\b", text):
        check_preset(mention.group(1), mention.group(2), doc, line_of(mention.start()))
    for mention in re.finditer(r"\b(?:(test|build)\s+)?preset\s+`([\w-]+)`", text):
        check_preset(mention.group(2), mention.group(1), doc, line_of(mention.start()))
    for target in re.finditer(r"--target\s+([\w:.-]+)", text):
        if target.group(1) not in targets:
            problems.append(f"{doc}:{line_of(target.start())}: no CMake target `{target.group(1)}`")
    for offset, span in spans:
        number = line_of(offset)
        for token in span.split():
            check_path(token, doc, number)
        name = span.strip()
        if re.fullmatch(r"Skarvel::\w+", name) and name not in targets:
            problems.append(f"{doc}:{number}: no CMake target `{name}`")
        if re.fullmatch(r"[a-z][a-z0-9]*(_[a-z0-9]+)+", name) and name not in targets | words:
            problems.append(f"{doc}:{number}: no CMake target, test or other name `{name}`")
        helper = re.fullmatch(r"(\w+)\(\)", name)
        if helper and helper.group(1).startswith("skarvel_") and helper.group(1) not in helpers:
            problems.append(f"{doc}:{number}: no CMake function `{name}`")
    for link in re.finditer(r"\]\(([^)\s]+)\)", text):
        if re.match(r"[a-z]+:", link.group(1)):
            continue
        path, _, anchor = link.group(1).partition("#")
        target = (root / Path(doc).parent / path).resolve() if path else root / doc
        target = str(target.relative_to(root)) if target.is_relative_to(root) else str(target)
        number = line_of(link.start())
        if target not in entries:
            problems.append(f"{doc}:{number}: link to `{link.group(1)}`: no such file")
        elif anchor and target.endswith(".md") and anchor not in anchors(target):
            problems.append(f"{doc}:{number}: link to `{link.group(1)}`: no such heading")


for doc in docs:
    # Code blocks are read line by line, every word a possible path (comments left out); the
    # prose as one text, so that a code span or a mention may run over a line's end.
    prose = []
    in_code = False
    for number, line in enumerate((root / doc).read_text().splitlines(), 1):
        if line.startswith("```"):
            in_code = not in_code
            prose.append("")
        elif in_code:
            code = line.split(" #")[0]
            check_text(code, doc, number, [(0, code)])
            prose.append("")
        else:
            prose.append(line)
    text = "\n".join(prose)
    check_text(text, doc, 1, [(m.start(), m.group(1)) for m in re.finditer(r"`([^`]+)`", text)])

for problem in sorted(problems, key=lambda p: (p.split(":")[0], int(p.split(":")[1]))):
    print(problem)
print(f"{len(docs)} documents checked: {len(problems)} names without a match in the tree")
sys.exit(1 if problems else 0)
