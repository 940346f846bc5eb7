#!/usr/bin/env python3
"""Writes the damaged files of this folder (cheque books, budget/code files, settings files and
property bags). Run it again after changing it; the files are checked in, the expected message of
each is in MANIFEST.tsv."""
import math
import os
import random
import struct
from datetime import date

HERE = os.path.dirname(os.path.abspath(__file__))


def put(name, data):
    if isinstance(data, str):
        data = data.encode('latin-1')
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


# --- Cheque books: 50-byte records ------------------------------------------------------------

def ole(y, m, d):
    return float((date(y, m, d) - date(1899, 12, 30)).days)


def rec(flag=-1, when=None, chq=0, text='', amount=0, code='', status=' ', raw_date=None):
    date_bytes = raw_date if raw_date is not None else struct.pack('<d', when if when is not None else ole(1997, 3, 5))
    text = text.encode('latin-1') if isinstance(text, str) else text
    code = code.encode('latin-1') if isinstance(code, str) else code
    r = (struct.pack('<h', flag) + date_bytes + struct.pack('<h', chq) + text.ljust(25, b' ')[:25] +
         struct.pack('<q', amount) + code.ljust(4, b' ')[:4] + status.encode('latin-1'))
    assert len(r) == 50, len(r)
    return r


def item(n=1, **kw):
    args = dict(flag=-1, chq=100 + n, text='Groceries %d' % n, amount=12340000 + n, code='FOOD', status=' ')
    args.update(kw)
    return rec(**args)


def period():
    return rec(flag=0, when=ole(1980, 1, 1), status='S') + rec(flag=0, when=ole(2099, 12, 31), status='E')


def link(name='', fmt=4):
    return struct.pack('<h', fmt) + (name.encode('latin-1') if isinstance(name, str) else name).ljust(48, b' ')[:48]


def trailer(title='Home', password='5827', sort='D', day=0):
    return struct.pack('<hdh', 0, 0.0, day) + title.encode('latin-1').ljust(25, b' ') + struct.pack('<q', 0) + \
        password.encode('latin-1') + sort.encode('latin-1')


def book(items, lnk=None, trl=None):
    return b''.join(items) + period() + (lnk if lnk is not None else link()) + (trl if trl is not None else trailer())


good = book([item(1), item(2), item(3)])
rnd = random.Random(19)

put('book-empty.lgn', b'')
put('book-three-records.lgn', good[-150:])
put('book-seven-bytes-over.lgn', good + b'garbage')
put('book-cut-mid-record.lgn', good[:230])
put('book-text-file.lgn', ('Dear bank, please find enclosed my cheques for March. ' * 10)[:500])
put('book-all-zero.lgn', bytes(1000))
put('book-all-ff.lgn', b'\xff' * 1000)
put('book-picture.lgn', (b'\x89PNG\r\n\x1a\n' + bytes(rnd.randrange(256) for _ in range(392))))
put('book-random-bytes.lgn', bytes(rnd.randrange(256) for _ in range(750)))
put('book-nan-date.lgn', book([item(1, raw_date=struct.pack('<d', math.nan)), item(2)]))
put('book-infinite-date.lgn', book([item(1), item(2, raw_date=struct.pack('<d', math.inf))]))
put('book-date-beyond-9999.lgn', book([item(1, when=1e300), item(2)]))
put('book-bad-deposit-flag.lgn', book([item(1), item(2, flag=7), item(3)]))
put('book-negative-amount.lgn', book([item(1, amount=-5)]))
put('book-amounts-overflow.lgn', book([item(1, amount=2 ** 62), item(2, amount=2 ** 62), item(3)]))
put('book-one-unknown-letter.lgn', book([item(1), item(2, status='Z'), item(3)]))
put('book-mostly-unknown-letters.lgn', book([item(1, status='Q'), item(2, status='?'), item(3, status='x'), item(4)]))
put('book-control-characters.lgn', book([item(1, text=b'Rent\x00\x07\tMay\r\n', code=b'\x01\x02AB')]))
put('book-bad-trailer-day.lgn', book([item(1)], trl=trailer(day=99)))
put('book-unknown-sort-letter.lgn', book([item(1)], trl=trailer(sort='\x00')))
put('book-earlier-release.lgn', book([item(1)], lnk=link(fmt=1)))
put('book-garbage-link.lgn', book([item(1)], lnk=link(name=bytes(rnd.randrange(256) for _ in range(48)))))
put('book-nan-period.lgn', book([item(1)]).replace(period()[:50], rec(flag=0, raw_date=struct.pack('<d', math.nan), status='S')))
put('book-autodup-bad-flag.lgn', book([item(1), item(2, flag=0, status='A')]))

# --- Budget/code files: "description","code","budget" lines ------------------------------------

def line(d, c, b):
    return '"%s","%s","%s"\r\n' % (d, c, b)


put('codes-empty.cod', b'')
put('codes-long-description.cod', line('Groceries', 'FOOD', '  -200.00') + line('A description far too long for it', 'X', '0'))
put('codes-long-code.cod', line('Rent', 'RENTAL', '  -900.00'))
put('codes-bad-budget.cod', line('Salary', 'PAY', 'lots') + line('Rent', 'RENT', '  -900.00'))
put('codes-random-bytes.cod', bytes(rnd.randrange(256) for _ in range(400)))
put('codes-unterminated-quote.cod', '"Groceries,"FOOD","-200.00"\r\n')
put('codes-ctrl-z-midway.cod', line('Rent', 'RENT', '-900.00') + '\x1a' + line('A description far too long for it', 'X', '0'))
put('codes-too-many.cod', 'a,,1\n' * 32768)
put('codes-nul-bytes.cod', b'"Gro\x00ceries","F\x00D","-200.00"\r\n')
put('codes-only-commas.cod', ',,,,,,\r\n,\r\n')
put('codes-bare-cr-lines.cod', 'Rent,RENT,-900.00\rFood,FOOD,-200.00\r')
put('codes-budget-overflow.cod', line('Lottery', 'LOTT', '1e999'))
put('codes-picture.cod', b'\x89PNG\r\n\x1a\n' + bytes(rnd.randrange(256) for _ in range(120)))
put('codes-many-bad-budgets.cod', ''.join(line('Line %d' % i, 'C%03d' % i, 'not money') for i in range(1, 41)))

# --- Settings files ---------------------------------------------------------------------------

put('settings-random-bytes.ini', bytes(rnd.randrange(256) for _ in range(600)))
put('settings-negative-sizes.ini', '[Ledgrn]\r\nFormHeight=-5\r\nFormWidth=0\r\nListHeight=-99999\r\n')
put('settings-huge-sizes.ini', '[Ledgrn]\r\nFormHeight=99999999999\r\nListWidth=2147483648\r\n')
put('settings-bad-colours.ini', '[Ledgrn]\r\nTextColor=zzz\r\nBackColor=-1\r\n')
put('settings-bad-font.ini', '[Ledgrn]\r\nFontSize=0\r\nFontName=\r\nFontBold=yes\r\n')
put('settings-no-section.ini', 'FormHeight=3000\r\nMessages=0\r\n')
put('settings-unclosed-section.ini', '[Ledgrn\r\nFormHeight=3000\r\n')
put('settings-bad-backups.ini', '[Ledgrn]\r\nBackups=abc\r\n')
put('settings-nul-inside.ini', b'[Ledgrn]\r\nFormHeight=30\x0000\r\nMessages=0\r\n')
put('settings-long-value.ini', '[Ledgrn]\r\nFontName=' + 'X' * 10000 + '\r\nFormHeight=3000\r\n')

# --- Property bags ----------------------------------------------------------------------------

put('bag-no-header.bag', 'Day:short=3\n')
put('bag-other-version.bag', 'VxPropertyBag 2\nDay:short=3\n')
put('bag-bad-name.bag', 'VxPropertyBag 1\nDay of month:short=3\nMonth:short=4\n')
put('bag-unknown-type.bag', 'VxPropertyBag 1\nDay:quaternion=3\n')
put('bag-short-out-of-range.bag', 'VxPropertyBag 1\nDay:short=99999\n')
put('bag-unterminated-string.bag', 'VxPropertyBag 1\nCaption:string="March\n')
put('bag-missing-equals.bag', 'VxPropertyBag 1\nDay:short\n')
put('bag-random-bytes.bag', b'VxPropertyBag 1\n' + bytes(rnd.randrange(256) for _ in range(300)))
put('bag-name-too-long.bag', 'VxPropertyBag 1\n' + 'N' * 65 + ':short=1\n')
put('bag-bad-colour.bag', 'VxPropertyBag 1\nForeColor:color=&HZZ&\n')
