# Reads a table with the independent "dbfread" package and prints what it
# found as JSON: the field descriptors, the active and the deleted records.
import datetime
import json
import sys

from dbfread import DBF


def plain(value):
    if isinstance(value, datetime.date):
        return value.isoformat()
    return value


table = DBF(sys.argv[1], encoding='cp1252', char_decode_errors='strict')
result = {
    'fields': [[f.name, f.type, f.length, f.decimal_count] for f in table.fields],
    'records': [{k: plain(v) for k, v in r.items()} for r in table.records],
    'deleted': [{k: plain(v) for k, v in r.items()} for r in table.deleted],
}
json.dump(result, sys.stdout, ensure_ascii=False)
