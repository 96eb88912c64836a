#!/usr/bin/env python3
"""The include rules that keep the source tree in layers.

  - The core (every src/<subsystem> folder but gui, the ui and the print folders) and the
    command-line tool include neither a Qt header nor a header of the windows.
  - A print folder (src/<subsystem>/print) draws pages with Qt's GUI part but no window, so
    that the command-line tool can run it without a display: it may include Qt headers, no
    header of the windows; the command-line tool may include it, the core may not.
  - The GUI's base folder (src/gui) includes no window of a feature (no */ui/ header).
  - A feature's window folder includes no other feature's windows but the programming window
    (session/ui), through which every feature runs its radio jobs. Only the shell
    (mainwindow/ui) and the program (app) put the features together.
  - The front ends (the command-line tool, the windows, the GUI base and the program) present
    jobs; they neither keep history nor write log lines: they include no header that does
    (the history's writer, the jobs' keeping, the bench log).
  - No two folders under src include each other, directly or round a circle.

Usage: include_rules.py SRC_DIR   checks the tree, naming every broken rule
       include_rules.py --self-test   shows that each rule catches what it is for
"""

import os
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
SOURCE_SUFFIXES = ('.h', '.hpp', '.cpp', '.cc')
WINDOWLESS_FRONT_ENDS = {'cli'}
SHELL_FOLDERS = {'mainwindow/ui', 'app'}
SHARED_WINDOW_FOLDER = 'session/ui'
KEEPING_HEADERS = ('history/HistoryKeep.h', 'jobs/HistoryKeeping.h', 'programminglog/')


def folder_of_header(header):
    """'dialogs/ui/TPasswordDlg.h' -> 'dialogs/ui'; None for a header of no folder of ours."""
    folder = os.path.dirname(header)
    return folder or None


def is_gui_folder(folder):
    return folder == 'gui' or folder.endswith('/ui') or folder == 'app'


def is_print_folder(folder):
    return folder.endswith('/print')


def is_front_end(folder):
    return is_gui_folder(folder) or folder in WINDOWLESS_FRONT_ENDS


def keeps_records(header):
    return any(header == h or (h.endswith('/') and header.startswith(h)) for h in KEEPING_HEADERS)


def read_includes(src):
    """{folder: [(file, kind, header), ...]} for every source file under src."""
    found = {}
    for root, _, files in os.walk(src):
        folder = os.path.relpath(root, src)
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(root, name)
            with open(path, encoding='utf-8', errors='replace') as text:
                for kind, header in INCLUDE.findall(text.read()):
                    found.setdefault(folder, []).append((os.path.join(folder, name), kind, header))
    return found


def find_cycles(edges):
    """The strongly connected groups of more than one folder (Tarjan)."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(edges.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return groups


def check(src):
    """Every broken rule, as lines naming the file and the include."""
    problems = []
    includes = read_includes(src)
    folders = set(includes)
    edges = {}
    for folder, entries in includes.items():
        for path, kind, header in entries:
            target = folder_of_header(header) if kind == '"' else None
            qt = kind == '<' and re.match(r'Q[A-Za-z]', header) is not None
            windowless = not is_gui_folder(folder)
            if windowless and ((qt and not is_print_folder(folder)) or
                               (target is not None and is_gui_folder(target))):
                problems.append(f'{path}: a folder without windows includes <{header}>'
                                if qt else f'{path}: a folder without windows includes "{header}"')
            core = (windowless and not is_print_folder(folder) and
                    folder not in WINDOWLESS_FRONT_ENDS)
            if core and target is not None and is_print_folder(target):
                problems.append(f'{path}: the core includes the Qt drawing "{header}"')
            if folder == 'gui' and target is not None and target.endswith('/ui'):
                problems.append(f'{path}: the GUI base includes the window "{header}"')
            if (folder.endswith('/ui') and folder not in SHELL_FOLDERS and target is not None
                    and target.endswith('/ui') and target not in (folder, SHARED_WINDOW_FOLDER)):
                problems.append(f'{path}: a feature\'s window includes another feature\'s '
                                f'window "{header}"')
            if kind == '"' and is_front_end(folder) and keeps_records(header):
                problems.append(f'{path}: a front end keeps records itself through "{header}"')
            if target is not None and target != folder and target in folders:
                edges.setdefault(folder, set()).add(target)
    for group in find_cycles(edges):
        pairs = [f'{a} -> {b}' for a in group for b in sorted(edges.get(a, ())) if b in group]
        problems.append('folders that include each other: ' + ', '.join(pairs))
    return problems


def write(root, path, text):
    full = os.path.join(root, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, 'w', encoding='utf-8') as out:
        out.write(text)


def self_test():
    """Each rule, broken once in a small tree, is reported; the clean tree passes."""
    clean = {
        'model/Image.h': '#include <cstdint>\n',
        'session/Session.h': '#include "model/Image.h"\n',
        'gui/Context.h': '#include <QString>\n#include "session/Session.h"\n',
        'dialogs/ui/Dialog.h': '#include "gui/Context.h"\n',
        'mainwindow/ui/Window.h': '#include "dialogs/ui/Dialog.h"\n',
        'sheet/print/Page.h': '#include <QPainter>\n#include "model/Image.h"\n',
        'cli/Sheet.cpp': '#include "sheet/print/Page.h"\n',
        'session/ui/ProgramDialog.h': '#include "gui/Context.h"\n',
        'history/HistoryKeep.h': '#include "model/Image.h"\n',
        'programminglog/Log.h': '#include "model/Image.h"\n',
        'jobs/Job.h': ('#include "history/HistoryKeep.h"\n#include "programminglog/Log.h"\n'
                       '#include "session/Session.h"\n'),
        'history/ui/History.h': '#include "session/ui/ProgramDialog.h"\n#include "jobs/Job.h"\n',
        'cli/Read.cpp': '#include "jobs/Job.h"\n',
    }
    broken = {
        'Qt in the core': ('model/Bad.cpp', '#include <QWidget>\n', 'without windows'),
        'a window in the core': ('session/Bad.cpp', '#include "dialogs/ui/Dialog.h"\n',
                                 'without windows'),
        'a feature in the base': ('gui/Bad.cpp', '#include "dialogs/ui/Dialog.h"\n', 'GUI base'),
        'two folders in a loop': ('model/Loop.h', '#include "session/Session.h"\n',
                                  'include each other'),
        'a window in a print folder': ('sheet/print/Bad.cpp', '#include "gui/Context.h"\n',
                                       'without windows'),
        'Qt drawing in the core': ('session/Draw.cpp', '#include "sheet/print/Page.h"\n',
                                   'Qt drawing'),
        'a loop of three': ('dialogs/ui/Loop.h', '#include "mainwindow/ui/Window.h"\n',
                            'include each other'),
        'a feature\'s window in another\'s': ('history/ui/Open.cpp',
                                              '#include "dialogs/ui/Dialog.h"\n',
                                              'another feature\'s window'),
        'the command line keeping history': ('cli/Keep.cpp', '#include "history/HistoryKeep.h"\n',
                                             'keeps records itself'),
        'the command line writing the log': ('cli/Log.cpp', '#include "programminglog/Log.h"\n',
                                             'keeps records itself'),
        'a window keeping history': ('dialogs/ui/Keep.cpp', '#include "history/HistoryKeep.h"\n',
                                     'keeps records itself'),
        'a window writing the log': ('session/ui/Log.cpp', '#include "programminglog/Log.h"\n',
                                     'keeps records itself'),
    }
    failures = []
    with tempfile.TemporaryDirectory() as root:
        for path, text in clean.items():
            write(root, path, text)
        if check(root):
            failures.append(f'the clean tree fails: {check(root)}')
        for what, (path, text, expected) in broken.items():
            write(root, path, text)
            reported = check(root)
            if not any(expected in line for line in reported):
                failures.append(f'{what} is not reported: {reported}')
            os.remove(os.path.join(root, path))
    for line in failures:
        print(line)
    print(f'{len(broken) + 1 - len(failures)} passed, {len(failures)} failed')
    return 1 if failures else 0


def main(argv):
    if argv[1:] == ['--self-test']:
        return self_test()
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 64
    problems = check(argv[1])
    for line in problems:
        print(line)
    print(f'include rules: {len(problems)} broken')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
