// The positions the map is fitted to, read from the program's own sources so
// that the generator and the program can never disagree: the region areas and
// city markers of play/disposizione.cpp and the region of every city from the
// city records of gazetteer/procedure.cpp.
import { readFileSync } from 'node:fs';

// The picture: 412 x 480 pixels stretched over 9030 x 9780 twips at (90, 270).
export const LARGHEZZA = 412;
export const ALTEZZA = 480;
const IMMAGINE = { left: 90, top: 270, width: 9030, height: 9780 };

export const pxX = (twip) => ((twip - IMMAGINE.left) * LARGHEZZA) / IMMAGINE.width;
export const pxY = (twip) => ((twip - IMMAGINE.top) * ALTEZZA) / IMMAGINE.height;

// A marker label is 120 x 180 twips with its dot in the middle.
const MEZZO_MARCATORE_X = 60;
const MEZZO_MARCATORE_Y = 90;

export const PUGLIA = 15;
export const AREA_PUGLIA_SUD = 21;
export const SAN_MARINO = 0;

export const NOMI_REGIONI = [
    'San Marino', "Valle d'Aosta", 'Piemonte', 'Lombardia', 'Trentino Alto Adige',
    'Friuli Venezia Giulia', 'Veneto', 'Emilia Romagna', 'Liguria', 'Toscana', 'Marche',
    'Umbria', 'Lazio', 'Abruzzo', 'Molise', 'Puglia', 'Campania', 'Calabria', 'Basilicata',
    'Sicilia', 'Sardegna',
];

function blocco(testo, nome) {
    const inizio = testo.indexOf(nome);
    if (inizio < 0) throw new Error(`${nome} not found`);
    const fine = testo.indexOf('}};', inizio);
    return testo.slice(inizio, fine);
}

export function leggiDisposizione(radice) {
    const disp = readFileSync(`${radice}/play/disposizione.cpp`, 'utf8');
    const proc = readFileSync(`${radice}/gazetteer/procedure.cpp`, 'utf8');

    const aree = [...blocco(disp, 'kAreeRegioni').matchAll(/\{(\d+), (\d+), (\d+), (\d+)\}/g)].map(
        (m, indice) => {
            const [l, t, w, h] = m.slice(1).map(Number);
            return {
                indice,
                regione: indice === AREA_PUGLIA_SUD ? PUGLIA : indice,
                x0: pxX(l),
                y0: pxY(t),
                x1: pxX(l + w),
                y1: pxY(t + h),
            };
        },
    );
    if (aree.length !== 22) throw new Error(`expected 22 region areas, read ${aree.length}`);

    const posizioni = [...blocco(disp, 'kMarcatori').matchAll(/\{(\d+), (\d+)\},\s*\/\/ (.*)/g)];
    if (posizioni.length !== 108) throw new Error(`expected 108 marker slots, read ${posizioni.length}`);

    const inizioCitta = proc.indexOf('kCitta');
    const record = [
        ...proc.slice(inizioCitta, proc.indexOf('};', inizioCitta)).matchAll(/"(.{9}[^"]*)"/g),
    ].map((m) => m[1]);
    if (record.length !== 107) throw new Error(`expected 107 city records, read ${record.length}`);

    const marcatori = [];
    for (let i = 1; i <= 107; i++) {
        const [, l, t, commento] = posizioni[i];
        const r = record[i - 1];
        marcatori.push({
            indice: i,
            nome: r.slice(9),
            regione: Number(r.slice(7, 9)),
            x: pxX(Number(l) + MEZZO_MARCATORE_X),
            y: pxY(Number(t) + MEZZO_MARCATORE_Y),
        });
        if (commento.trim() !== r.slice(9)) {
            throw new Error(`marker ${i} is ${commento.trim()} but city ${i} is ${r.slice(9)}`);
        }
    }
    return { aree, marcatori };
}
