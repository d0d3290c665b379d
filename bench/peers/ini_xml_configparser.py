"""ini_xml_configparser: converts an INI file to XML with Python's standard
configparser, writing the same lines as ostrew (what a user might write
instead of using ostrew).

    python3 ini_xml_configparser.py INPUT OUTPUT

The input is read as ISO 8859-1 and the XML written as UTF-8. Values are
split at commas, blanks around them dropped, one pair of enclosing double
quotes removed. Differences from ostrew that come from configparser's model
(none of them arises on the bench's generated inputs): the whole file is
loaded into dictionaries before anything is written; a repeated section or a
repeated key in one section is an error; a section named DEFAULT is special;
lines that start with white space continue the previous value; ":" also
separates a key from its value; no lexical rule is checked on names, strings
or numbers.
"""
import configparser
import sys


def value_text(raw):
    text = raw.strip()
    if len(text) >= 2 and text[0] == '"' and text[-1] == '"':
        text = text[1:-1]
    return text


def main(source, target):
    config = configparser.ConfigParser(
        interpolation=None,
        comment_prefixes=(';',),
        inline_comment_prefixes=(';',),
    )
    config.optionxform = str  # keep the keys' letter case
    with open(source, encoding='latin-1', newline=None) as ini:
        config.read_file(ini)
    with open(target, 'w', encoding='utf-8', newline='\n') as xml:
        xml.write('<?xml version="1.0"?>\n<plik_ini>\n')
        for section in config.sections():
            xml.write(f'<sekcja nazwa="{section}" >\n')
            for key, raw in config.items(section, raw=True):
                xml.write(f'<element nazwa="{key}">\n')
                for part in raw.split(','):
                    xml.write(f'<wartosc>{value_text(part)}</wartosc>\n')
                xml.write('</element>\n')
            xml.write('</sekcja>\n')
        xml.write('</plik_ini>\n')


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit('usage: ini_xml_configparser.py INPUT OUTPUT')
    main(sys.argv[1], sys.argv[2])
