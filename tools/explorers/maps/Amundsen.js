// The race to the South Pole: Amundsen from Framheim, Scott from Cape Evans.
export default {
  title: 'Roald Amundsen',
  subtitle: '1872–1928',
  projection: {
    type: 'azimuthalEquidistant',
    rotate: [-15, 90, 0],
    fit: [[-163.6, -78.2], [166.4, -77.2], [0, -90], [-140, -84], [175, -84], [-110, -88], [100, -88]],
  },
  pad: 10,
  // The Ross Ice Shelf, roughly: its front along 78 degrees south and the
  // coasts of the Transantarctic Mountains and Marie Byrd Land behind it.
  ice: [
    [
      [166.5, -77.8], [170, -78], [175, -78.2], [180, -78.3], [-175, -78.4], [-170, -78.5], [-164, -78.5],
      [-160, -78.3], [-155, -78.5], [-150, -80], [-148, -82], [-150, -85.5], [-165, -86], [180, -85],
      [170, -84], [162, -82], [160, -79], [166.5, -77.8],
    ],
  ],
  routes: [
    { color: '#7f8c8d', dashed: true, points: [[166.4, -77.6], [168, -79], [169, -80.5], [170, -82], [171, -83.5], [171, -84.5], [168, -85.5], [162, -87], [155, -88.5], [0, -90]], arrows: [3, 7] },
    { color: '#c0392b', points: [[-163.6, -78.6], [-163.5, -80], [-163.5, -82], [-164, -84], [-165, -85.1], [-168, -85.6], [-170, -87], [-170, -89], [0, -90]], arrows: [2, 6] },
  ],
  places: [
    { name: 'Biegun Południowy\n14 XII 1911', at: [0, -90], pos: 'e', kind: 'star' },
    { name: 'Framheim', at: [-163.6, -78.6], pos: 'e' },
    { name: 'Przylądek\nEvansa', at: [166.4, -77.6], pos: 'w' },
    { name: 'Lodowiec\nAxela Heiberga', at: [-166, -85.3], pos: 'w' },
    { name: 'Lodowiec\nBeardmore’a', at: [171, -84], pos: 'e' },
    { name: 'Antarktyda', at: [-60, -87], kind: 'area' },
    { name: 'Lodowiec Szelfowy\nRossa', at: [-178, -81.5], kind: 'area' },
  ],
  legend: [
    { color: '#c0392b', text: 'Amundsen: 20 X 1911 – 25 I 1912' },
    { color: '#7f8c8d', dashed: true, text: 'Scott: na biegunie 17 I 1912, zginął w drodze powrotnej' },
  ],
  timeline: [
    ['1897–1899', 'Belgica w Antarktyce'],
    ['1903–1906', 'Gjøa: Przejście Pn.-Zach.'],
    ['1911', 'biegun południowy'],
    ['1918–1920', 'Maud: Przejście Pn.-Wsch.'],
    ['1926', 'Norge nad biegunem pn.'],
    ['1928', 'zaginięcie'],
  ],
};
