#!/usr/bin/env python3
"""Makes the benchmark's folders: 1,000, 10,000 and 100,000 entries each (and 1,000,000).

A mix as in a download folder: files with common extensions (programs among them, whose
icons are their own), empty files, one entry in fifty a folder, last-write times spread over
several years. Made natively (far faster than through Wine) and kept for later runs.

    make_folders.py <data folder> [--huge]   prints the folders, one a line
"""
import os
import sys

SIZES = (1_000, 10_000, 100_000)
HUGE = 1_000_000
EXTENSIONS = (".txt", ".jpg", ".pdf", ".docx", ".zip", ".png", ".mp3", ".cpp", ".h", ".dll",
              ".exe", ".log", "")
FOLDER_EVERY = 50
FIRST_TIME = 1_500_000_000  # 2017, in seconds since 1970


def make(folder, count):
    done = folder + ".done"
    if os.path.exists(done):
        return
    os.makedirs(folder, exist_ok=True)
    for i in range(count):
        path = os.path.join(folder, f"entry{i}")
        stamp = FIRST_TIME + (i * 7_919_993) % 200_000_000
        if i % FOLDER_EVERY == 0:
            os.makedirs(path, exist_ok=True)
        else:
            path += EXTENSIONS[i % len(EXTENSIONS)]
            with open(path, "wb") as f:
                f.truncate(0 if i % 13 == 0 else (i * 7_919) % 3_000_000)
        os.utime(path, (stamp, stamp))
    open(done, "w").close()


def main():
    root = sys.argv[1]
    sizes = SIZES + ((HUGE,) if "--huge" in sys.argv[2:] else ())
    for count in sizes:
        folder = os.path.join(root, str(count))
        make(folder, count)
        print(folder)


if __name__ == "__main__":
    main()
