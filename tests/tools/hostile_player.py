#!/usr/bin/python3
"""An outside player for the tests: answers the questions (hello, draw, play)
one after another with the answers named on its command line, the last one
again and again. Lines starting with "{" go out as they are; the words:

  name     {"name": "hostile"}          stock    {"draw": "stock"}
  discard  throws away its first card   drawn    throws away the card drawn
  pair     lays out its first two cards
  absent   throws away a card it lacks  garbage  a line that is no JSON
  huge     a line of 100,000 bytes      twice    {"draw": "stock"} twice at once
  silent   reads on and answers nothing exit     exits with status 3
  crash    ends by SIGSEGV              stubborn names itself by its process id,
                                                 then ignores SIGTERM and its input's end
  name2    {"name": "hostile", "protocol": 2}, and from then on every answer
           carries its question's id
  orphan   starts a program that holds its output, then exits
  stray    {"draw": "stock"}, and the same line again before its next answer
"""
import json
import os
import signal
import subprocess
import sys
import time

ALL_CARDS = [suit + rank for suit in ("Ka", "He", "Bl", "Kr")
             for rank in ("2", "3", "4", "5", "6", "7", "8", "9", "10", "B", "D", "K", "A")]


def answer(word, message):
    hand = message.get("hand", [])
    if word.startswith("{"):
        return word
    if word == "name":
        return json.dumps({"name": "hostile"})
    if word == "name2":
        return json.dumps({"name": "hostile", "protocol": 2})
    if word == "orphan":
        subprocess.Popen(["sleep", "3600"])
        sys.exit(0)
    if word == "stray":
        return json.dumps({"draw": "stock"})
    if word == "stock":
        return json.dumps({"draw": "stock"})
    if word == "discard":
        return json.dumps({"discard": hand[0]})
    if word == "drawn":
        return json.dumps({"discard": message["drawn"]})
    if word == "pair":
        return json.dumps({"melds": [hand[:2]], "discard": hand[-1]})
    if word == "absent":
        return json.dumps({"discard": next(c for c in ALL_CARDS if c not in hand)})
    if word == "garbage":
        return "this is not JSON"
    if word == "huge":
        return "x" * 100000
    if word == "twice":
        return json.dumps({"draw": "stock"}) + "\n" + json.dumps({"draw": "stock"})
    if word == "exit":
        sys.exit(3)
    if word == "crash":
        os.kill(os.getpid(), signal.SIGSEGV)
    if word == "stubborn":
        signal.signal(signal.SIGTERM, signal.SIG_IGN)
        return json.dumps({"name": str(os.getpid())})
    time.sleep(3600)  # silent
    return ""


def write(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


def numbered(line, message):
    """An answer in JSON carries the question's id, where the question has one."""
    if "id" not in message or not line.startswith("{") or "\n" in line:
        return line
    fields = json.loads(line)
    fields.setdefault("id", message["id"])
    return json.dumps(fields)


def main():
    words = sys.argv[1:]
    asked = 0
    repeat = None  # a stray answer, written again before the next one
    for line in sys.stdin:
        message = json.loads(line)
        if message["type"] in ("hello", "draw", "play"):
            word = words[min(asked, len(words) - 1)]
            asked += 1
            if repeat is not None:
                write(repeat)
            reply = numbered(answer(word, message), message)
            repeat = reply if word == "stray" else None
            write(reply)
            if word == "stubborn":
                time.sleep(3600)


if __name__ == "__main__":
    main()
